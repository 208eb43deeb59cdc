#pragma once

#include <QList>
#include <QRect>

class QScreen;
class QWidget;

// Index of the screen that holds the largest part of `window`; when the
// window lies on none, the one nearest to it. Ties go to the earlier screen.
// -1 without screens.
int ChooseMonitor(const QRect& window, const QList<QRect>& screens);

// The monitor of a window, chosen when made. Window sizes and full screen
// use its whole rectangle; its work area leaves out panels and docks.
class CMonitor {
public:
    explicit CMonitor(const QWidget& window);

    // Null only when the system has no screen at all.
    QScreen* Screen() const { return m_screen; }
    QRect Rect() const;
    QRect WorkArea() const;

private:
    QScreen* m_screen = nullptr;
};
