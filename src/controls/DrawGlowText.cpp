#include "controls/DrawGlowText.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace {

struct Gradient {
    QPointF start;
    QColor startColour;
    QPointF end;
    QColor endColour;
};

struct GlowTextStyle {
    const char* family;
    QColor glow;
    Gradient fill;
    Gradient highlight;
};

// Colours as (red, green, blue, alpha).
const GlowTextStyle& StyleOf(GlowStyle style)
{
    static const GlowTextStyle title{"Arial Black",
                                     QColor(0, 2, 2, 62),
                                     {{0, 0}, QColor(0, 0, 240, 200), {0, 90}, QColor(30, 120, 195, 255)},
                                     {{0, 10}, QColor(255, 255, 255, 255), {0, 60}, QColor(1, 1, 1, 15)}};
    static const GlowTextStyle speed{"Arial",
                                     QColor(160, 80, 2, 80),
                                     {{0, 0}, QColor(190, 220, 24, 200), {0, 90}, QColor(195, 120, 0, 255)},
                                     {{0, 10}, QColor(255, 188, 0, 255), {0, 40}, QColor(255, 1, 1, 150)}};
    static const GlowTextStyle video{"Arial",
                                     QColor(10, 150, 220, 80),
                                     {{0, 0}, QColor(20, 120, 240, 200), {0, 90}, QColor(20, 120, 240, 255)},
                                     {{0, 10}, QColor(80, 188, 250, 255), {0, 120}, QColor(80, 80, 155, 150)}};
    switch (style) {
    case GlowStyle::Title:
        return title;
    case GlowStyle::Speed:
        return speed;
    case GlowStyle::Video:
        break;
    }
    return video;
}

QPoint StyleOrigin(GlowStyle style, QPoint given)
{
    switch (style) {
    case GlowStyle::Title:
        return {50, 4};
    case GlowStyle::Speed:
        return given;
    case GlowStyle::Video:
        break;
    }
    return {10, given.y()};
}

QFont StyleFont(GlowStyle style, int emSize)
{
    QFont font(QString::fromLatin1(StyleOf(style).family));
    font.setPixelSize(emSize);
    // The title's family is a heavy face by design; where it is not
    // installed, a substitute's heaviest weight keeps the title bold.
    if (style == GlowStyle::Title && !QFontInfo(font).exactMatch())
        font.setWeight(QFont::Black);
    return font;
}

// Tiled: past its end point the gradient starts over, so text lower in a
// control gets the same bands again rather than one flat colour.
QLinearGradient TiledGradient(const Gradient& g)
{
    QLinearGradient gradient(g.start, g.end);
    gradient.setColorAt(0, g.startColour);
    gradient.setColorAt(1, g.endColour);
    gradient.setSpread(QGradient::RepeatSpread);
    return gradient;
}

// Eight strokes of growing width over each other make the halo: every one
// covers the letters' edge, only the widest reach the outside.
constexpr int kGlowStrokes = 8;
constexpr double kOutlineWidth = 3.0;
const QColor kOutlineColour(215, 215, 215, 155);

} // namespace

QPainterPath GlowTextPath(const QString& text, GlowStyle style, QPoint origin, int emSize)
{
    const QFont font = StyleFont(style, emSize);
    const QPointF topLeft = StyleOrigin(style, origin);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addText(topLeft.x(), topLeft.y() + QFontMetricsF(font).ascent(), font, text.left(kGlowTextMaxLength));
    return path;
}

void DrawGlowText(QPainter& painter, const QString& text, GlowStyle style, QPoint origin, int emSize)
{
    const QPainterPath path = GlowTextPath(text, style, origin, emSize);
    if (path.isEmpty())
        return;
    const GlowTextStyle& look = StyleOf(style);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setBrush(Qt::NoBrush);

    painter.setPen(QPen(kOutlineColour, kOutlineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(path);
    for (int width = 1; width <= kGlowStrokes; ++width) {
        painter.setPen(QPen(look.glow, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(path);
    }

    painter.fillPath(path, TiledGradient(look.fill));
    painter.fillPath(path, TiledGradient(look.highlight));
    painter.restore();
}
