#include "app/WindowSizes.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

QRect SmallWindowRect(QRect monitor)
{
    const QPoint topLeft(monitor.left() + (monitor.width() - kMinimumWindowSize.width()) / 2,
                         monitor.top() + (monitor.height() - kMinimumWindowSize.height()) / 2);
    return QRect(topLeft, kMinimumWindowSize);
}

QRect MediumWindowRect(QRect monitor)
{
    const QSize size(std::max(4 * monitor.width() / 5, kMinimumWindowSize.width()),
                     std::max(4 * monitor.height() / 5, kMinimumWindowSize.height()));
    return QRect(QPoint(monitor.left() + monitor.width() / 8, monitor.top() + monitor.height() / 8), size);
}

QRect LargeWindowRect(QRect monitor)
{
    return monitor;
}

QRect FullScreenWindowRect(QRect monitor, QSize client)
{
    QRect rect = monitor;
    // A resize to the size the window already has brings no resize event,
    // and the full-screen layout would not run; a window that spans the
    // monitor in either direction may already cover it, so it gets one
    // pixel less to make the resize a change.
    if (monitor.width() == client.width() || monitor.height() == client.height())
        rect.setHeight(rect.height() - 1);
    return rect;
}

QSize GripWindowSize(QPoint grip)
{
    return QSize(std::max(grip.x(), kMinimumWindowSize.width()), std::max(grip.y(), kMinimumWindowSize.height()));
}

QRegion WindowRegion(QSize client, bool fullScreen)
{
    if (fullScreen || client.isEmpty())
        return QRegion(QRect(QPoint(0, 0), client));

    constexpr int kCornerRadius = 5;
    constexpr int kCutRadius = 30;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, client.width(), client.height()), kCornerRadius, kCornerRadius);
    // The part of the corner square outside the circle is cut away.
    QPainterPath corner;
    corner.addRect(0, 0, kCutRadius, kCutRadius);
    QPainterPath circle;
    circle.addEllipse(QRectF(0, 0, 2 * kCutRadius, 2 * kCutRadius));
    outline = outline.subtracted(corner.subtracted(circle));

    // Painted without anti-aliasing, so every pixel is either in or out.
    QBitmap mask(client);
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawPath(outline);
    painter.end();
    return QRegion(mask);
}
