#include "controls/CVideoStatic.h"

#include "controls/DrawGlowText.h"

#include <QPainter>

namespace {

const QColor kBackground(5, 5, 5);
constexpr int kCounterTop = 10;
constexpr int kCounterEmSize = 72;

} // namespace

CVideoStatic::CVideoStatic(QWidget* parent) : CVideoPanel(parent)
{
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CVideoStatic::ShowCounter(bool show)
{
    m_showCounter = show;
    repaint();
}

void CVideoStatic::SetCounter(int counter)
{
    m_counter = counter;
    repaint();
}

void CVideoStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (m_showCounter)
        DrawGlowText(painter, QString::number(m_counter), GlowStyle::Video, QPoint(0, kCounterTop), kCounterEmSize);
}
