#include "controls/ColorMatrix.h"

#include <algorithm>
#include <cmath>

namespace {

float ToUnit(int channel)
{
    return static_cast<float>(channel) / 255.0f;
}

int ToChannel(float value)
{
    return static_cast<int>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace

QRgb TransformColor(QRgb colour, const ColorMatrix& matrix)
{
    const std::array<float, 5> in{ToUnit(qRed(colour)), ToUnit(qGreen(colour)), ToUnit(qBlue(colour)),
                                  ToUnit(qAlpha(colour)), 1.0f};
    std::array<int, 4> out{};
    for (std::size_t j = 0; j < out.size(); ++j) {
        float sum = 0;
        for (std::size_t i = 0; i < in.size(); ++i)
            sum += in[i] * matrix[i][j];
        out[j] = ToChannel(sum);
    }
    return qRgba(out[0], out[1], out[2], out[3]);
}

QImage ApplyColorMatrix(const QImage& image, const ColorMatrix& matrix)
{
    QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(straight.scanLine(y));
        std::transform(line, line + straight.width(), line, [&](QRgb pixel) { return TransformColor(pixel, matrix); });
    }
    return straight.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
