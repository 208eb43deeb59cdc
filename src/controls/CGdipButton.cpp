#include "controls/CGdipButton.h"

#include "controls/ColorMatrix.h"

#include <QEnterEvent>
#include <QPainter>

CGdipButton::CGdipButton(QWidget* parent) : QAbstractButton(parent)
{
    // Connected before anyone else can connect, so every receiver of
    // clicked() already sees the image set the click chose.
    connect(this, &QAbstractButton::clicked, this, &CGdipButton::OnClicked);
}

bool CGdipButton::LoadStdImage(unsigned id)
{
    return LoadImage(m_stdImage, id);
}

bool CGdipButton::LoadAltImage(unsigned id)
{
    return LoadImage(m_altImage, id);
}

bool CGdipButton::LoadImage(CGdiPlusBitmapResource& holder, unsigned id)
{
    // Looks made from the previous image must go.
    m_looksSize = QSize();
    const bool loaded = holder.Load(id);
    update();
    return loaded;
}

void CGdipButton::SetAltShown(bool shown)
{
    m_altShown = shown;
    update();
}

QSize CGdipButton::sizeHint() const
{
    return m_stdImage.Image().size();
}

void CGdipButton::OnClicked()
{
    if (m_toggle)
        SetAltShown(!m_altShown);
}

void CGdipButton::enterEvent(QEnterEvent* event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CGdipButton::leaveEvent(QEvent* event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CGdipButton::paintEvent(QPaintEvent*)
{
    RenderLooksIfNeeded();
    if (const QImage* look = CurrentLook(); look && !look->isNull()) {
        QPainter painter(this);
        painter.drawImage(0, 0, *look);
    }
}

const QImage* CGdipButton::CurrentLook()
{
    // A toggle click is only decided at the release; until then the pressed
    // look shows the set it will switch to, and dragging off the button
    // shows the old one again.
    if (m_stdImage.IsEmpty())
        return nullptr;
    const bool pressed = isDown();
    const bool alternate = m_altShown != (m_toggle && pressed);
    const LookSet& looks = alternate && !m_altImage.IsEmpty() ? m_altLooks : m_stdLooks;
    if (pressed)
        return &looks[kPressed];
    return &looks[m_hovering ? kHot : kNormal];
}

void CGdipButton::RenderLooksIfNeeded()
{
    if (m_looksSize == size())
        return;
    m_looksSize = size();
    m_stdLooks = RenderLooks(m_stdImage.Image());
    m_altLooks = RenderLooks(m_altImage.Image());
}

CGdipButton::LookSet CGdipButton::RenderLooks(const QImage& image) const
{
    LookSet looks;
    if (image.isNull() || size().isEmpty())
        return looks;
    const QRect whole = rect();
    const auto render = [&](const QImage& source, const QRect& target) {
        QImage look(size(), QImage::Format_ARGB32_Premultiplied);
        look.fill(Qt::transparent);
        QPainter painter(&look);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, source);
        return look;
    };
    looks[kNormal] = render(image, whole);
    // Same size, one pixel further: the last row and column fall off the button.
    looks[kPressed] = render(image, whole.translated(1, 1));
    looks[kHot] = render(ApplyColorMatrix(image, kBrighteningMatrix), whole);
    return looks;
}
