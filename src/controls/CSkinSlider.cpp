#include "controls/CSkinSlider.h"

#include "controls/SendWindowMessage.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Room between the thumb and the control's edge, for the sunken border.
constexpr int kThumbInset = 3;

} // namespace

CSkinSlider::CSkinSlider(int message, QColor thumbColour, QColor pressedThumbColour, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), m_message(message), m_thumbColour(thumbColour),
      m_pressedThumbColour(pressedThumbColour)
{
}

int CSkinSlider::ThumbDiameter() const
{
    return std::max(1, height() - 2 * kThumbInset);
}

SliderTrack CSkinSlider::Track() const
{
    const int radius = ThumbDiameter() / 2;
    return {kThumbInset + radius, width() - kThumbInset - radius};
}

QRect CSkinSlider::ThumbRect() const
{
    const int diameter = ThumbDiameter();
    const int centre = SliderXFromPosition(value(), Track(), minimum(), maximum());
    return {centre - diameter / 2, kThumbInset, diameter, diameter};
}

void CSkinSlider::SetPosition(int position)
{
    if (!m_dragging)
        setValue(position);
}

void CSkinSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintChannel(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(m_dragging ? m_pressedThumbColour : m_thumbColour);
    painter.drawEllipse(ThumbRect());
}

void CSkinSlider::SetPositionUnderMouse(const QMouseEvent& event)
{
    setValue(SliderPositionFromX(event.position().toPoint().x(), Track(), minimum(), maximum()));
}

void CSkinSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The press itself only moves the thumb; the window hears of it at the
    // release, so a click is one message. Qt keeps delivering the mouse to
    // this slider until the release, wherever it goes.
    SetPositionUnderMouse(*event);
    m_dragging = true;
    update();
    event->accept();
}

void CSkinSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging) {
        event->ignore();
        return;
    }
    SetPositionUnderMouse(*event);
    SendWindowMessage(*this, m_message);
    event->accept();
}

void CSkinSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_dragging = false;
    SetPositionUnderMouse(*event);
    update();
    SendWindowMessage(*this, m_message);
    event->accept();
}

void CSkinSlider::keyPressEvent(QKeyEvent* event)
{
    const int before = value();
    QSlider::keyPressEvent(event);
    if (value() != before)
        emit Scrolled();
}

void CSkinSlider::wheelEvent(QWheelEvent* event)
{
    const int before = value();
    QSlider::wheelEvent(event);
    if (value() != before)
        emit Scrolled();
}
