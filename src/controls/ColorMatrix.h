#pragma once

#include <QImage>
#include <QRgb>

#include <array>

// A colour transform as a 5 x 5 matrix applied to the row vector
// [r g b a 1] with components in 0..1: output component j is the sum over i
// of input i times row i, column j. The fifth row adds constants.
using ColorMatrix = std::array<std::array<float, 5>, 5>;

// Hot looks of the image buttons: every colour channel a little brighter,
// alpha kept.
inline constexpr ColorMatrix kBrighteningMatrix{{
    {1.05f, 0, 0, 0, 0},
    {0, 1.05f, 0, 0, 0},
    {0, 0, 1.05f, 0, 0},
    {0, 0, 0, 1, 0},
    {0.05f, 0.05f, 0.05f, 0, 1},
}};

// Greyed statics: each channel becomes the luminance weighted by how bright
// the eye sees red, green and blue; alpha kept.
inline constexpr ColorMatrix kGreyscaleMatrix{{
    {0.3f, 0.3f, 0.3f, 0, 0},
    {0.59f, 0.59f, 0.59f, 0, 0},
    {0.11f, 0.11f, 0.11f, 0, 0},
    {0, 0, 0, 1, 0},
    {0, 0, 0, 0, 1},
}};

// One straight (not premultiplied) colour through the matrix; results are
// clamped to 0..1.
QRgb TransformColor(QRgb colour, const ColorMatrix& matrix);

// Every pixel of the image through the matrix, on straight colours so that
// half-transparent edges get the same tint as opaque pixels. Returns a
// premultiplied image ready to draw.
QImage ApplyColorMatrix(const QImage& image, const ColorMatrix& matrix);
