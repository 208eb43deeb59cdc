#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>

// The window's own sizes, all from the whole rectangle of the monitor that
// holds it (not its work area).

inline constexpr QSize kMinimumWindowSize(800, 560);

// S: the minimum size, centred on the monitor.
QRect SmallWindowRect(QRect monitor);
// M: four fifths of the monitor, at an eighth from its top left corner, never below the minimum.
QRect MediumWindowRect(QRect monitor);
// L: the whole monitor.
QRect LargeWindowRect(QRect monitor);
// Full screen: the whole monitor, but one pixel shorter when the client
// already has the monitor's width or height.
QRect FullScreenWindowRect(QRect monitor, QSize client);
// The grip never makes the window smaller than the minimum.
QSize GripWindowSize(QPoint grip);

// The skinned outline: a rectangle with rounded corners whose top left corner
// is cut to a quarter circle of radius 30; a plain rectangle in full screen.
QRegion WindowRegion(QSize client, bool fullScreen);
