#include "browser/CDarkListStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

#include <algorithm>

namespace {

const QColor kBoxFill(28, 28, 28);
const QColor kBoxEdge(150, 150, 150);
const QColor kTick(235, 235, 235);
const QColor kHeaderFill(34, 34, 34);
const QColor kHeaderEdge(70, 70, 70);

} // namespace

void CDarkListStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element == PE_IndicatorItemViewItemCheck)
        DrawCheckBox(option, painter);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void CDarkListStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (element == CE_HeaderSection)
        DrawHeaderSection(option, painter);
    else
        QProxyStyle::drawControl(element, option, painter, widget);
}

void CDarkListStyle::DrawCheckBox(const QStyleOption* option, QPainter* painter) const
{
    // A square in the middle of the indicator area, whatever its shape.
    const int side = std::min(option->rect.width(), option->rect.height()) - 1;
    QRectF box(0, 0, side, side);
    box.moveCenter(QRectF(option->rect).center());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(kBoxEdge, 1));
    painter->setBrush(kBoxFill);
    painter->drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (option->state & State_On) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.72);
        tick.lineTo(box.left() + side * 0.78, box.top() + side * 0.28);
        painter->setPen(QPen(kTick, std::max(1.5, side / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(tick);
    }
    painter->restore();
}

void CDarkListStyle::DrawHeaderSection(const QStyleOption* option, QPainter* painter) const
{
    const QRect rect = option->rect;
    painter->fillRect(rect, kHeaderFill);
    painter->setPen(kHeaderEdge);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
}
