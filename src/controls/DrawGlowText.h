#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QString>

class QPainter;

// The three looks of the skin's glowing text.
enum class GlowStyle {
    Title,  // the window title: always at (50, 4)
    Speed,  // the speed read-out: at the origin given
    Video,  // the scan counter on the video surface: x = 10, y as given
};

// Longer texts are cut; the callers draw numbers, units and captions.
inline constexpr int kGlowTextMaxLength = 127;

// The outline of the text as the style lays it out: the origin is the top
// left of the line, the em size in pixels.
QPainterPath GlowTextPath(const QString& text, GlowStyle style, QPoint origin, int emSize);

// Draws the text outlined, with a halo that is densest next to the letters
// and fades outwards, and filled with two vertical gradients, the second a
// highlight over the upper part. The gradients run from the top of the
// painter's coordinate space, so the same style looks the same wherever it
// is drawn in a control.
void DrawGlowText(QPainter& painter, const QString& text, GlowStyle style, QPoint origin, int emSize);
