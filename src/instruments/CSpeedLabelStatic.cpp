#include "instruments/CSpeedLabelStatic.h"

#include "controls/DrawGlowText.h"
#include "instruments/InstrumentText.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kBackground(5, 5, 5);
constexpr QPoint kDigitsOrigin(0, 10);
constexpr int kDigitsEmSize = 20;
constexpr QPoint kUnitOrigin(40, 18);
constexpr int kUnitEmSize = 12;

} // namespace

CSpeedLabelStatic::CSpeedLabelStatic(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    RebuildTexts();
}

bool CSpeedLabelStatic::SetSpeed(bool isShown, std::uint16_t kmh)
{
    shown = isShown;
    speed = kmh;
    RebuildTexts();
    update();
    return true;
}

void CSpeedLabelStatic::SwitchUnit()
{
    metric = !metric;
    RebuildTexts();
    update();
}

void CSpeedLabelStatic::RebuildTexts()
{
    unitText = QString::fromStdString(SpeedUnitText(metric));
    speedText = QString::fromStdString(::SpeedText(speed, metric));
}

void CSpeedLabelStatic::Render(QImage& target) const
{
    QPainter painter(&target);
    Paint(painter, target.rect());
}

void CSpeedLabelStatic::Paint(QPainter& painter, const QRect& whole) const
{
    painter.fillRect(whole, kBackground);
    if (!shown)
        return;
    DrawGlowText(painter, speedText, GlowStyle::Speed, kDigitsOrigin, kDigitsEmSize);
    DrawGlowText(painter, unitText, GlowStyle::Speed, kUnitOrigin, kUnitEmSize);
}

void CSpeedLabelStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, rect());
}

void CSpeedLabelStatic::mouseDoubleClickEvent(QMouseEvent* event)
{
    SwitchUnit();
    event->accept();
}
