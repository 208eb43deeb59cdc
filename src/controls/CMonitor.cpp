#include "controls/CMonitor.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdint>

namespace {

std::int64_t OverlapArea(const QRect& a, const QRect& b)
{
    const QRect overlap = a.intersected(b);
    return static_cast<std::int64_t>(overlap.width()) * overlap.height();
}

// Squared distance between the nearest points of two rectangles.
std::int64_t DistanceSquared(const QRect& a, const QRect& b)
{
    const std::int64_t dx = std::max({0, b.left() - (a.left() + a.width()), a.left() - (b.left() + b.width())});
    const std::int64_t dy = std::max({0, b.top() - (a.top() + a.height()), a.top() - (b.top() + b.height())});
    return dx * dx + dy * dy;
}

QRect GlobalRect(const QWidget& window)
{
    if (window.isWindow())
        return window.frameGeometry();
    return {window.mapToGlobal(QPoint(0, 0)), window.size()};
}

} // namespace

int ChooseMonitor(const QRect& window, const QList<QRect>& screens)
{
    int best = -1;
    std::int64_t bestOverlap = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const std::int64_t overlap = OverlapArea(window, screens[i]);
        if (overlap > bestOverlap) {
            best = i;
            bestOverlap = overlap;
        }
    }
    if (best >= 0)
        return best;
    std::int64_t bestDistance = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const std::int64_t distance = DistanceSquared(window, screens[i]);
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

CMonitor::CMonitor(const QWidget& window)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QList<QRect> rects;
    for (const QScreen* screen : screens)
        rects.append(screen->geometry());
    if (const int chosen = ChooseMonitor(GlobalRect(window), rects); chosen >= 0)
        m_screen = screens[chosen];
}

QRect CMonitor::Rect() const
{
    return m_screen ? m_screen->geometry() : QRect();
}

QRect CMonitor::WorkArea() const
{
    return m_screen ? m_screen->availableGeometry() : QRect();
}
