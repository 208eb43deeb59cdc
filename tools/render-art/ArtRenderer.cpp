#include "ArtRenderer.h"

#include <cmath>
#include <vector>

#include <QPainter>
#include <QSvgRenderer>

namespace {

QImage DrawSvg(QSvgRenderer& svg, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

std::vector<float> GaussianKernel(double sigma) {
  const int reach = static_cast<int>(std::ceil(3.0 * sigma));
  std::vector<float> kernel(static_cast<size_t>(2 * reach + 1));
  double sum = 0.0;
  for (int i = -reach; i <= reach; ++i) {
    const double v = std::exp(-(i * i) / (2.0 * sigma * sigma));
    kernel[static_cast<size_t>(i + reach)] = static_cast<float>(v);
    sum += v;
  }
  for (float& v : kernel) v = static_cast<float>(v / sum);
  return kernel;
}

// Blurs the alpha channel with a separable Gaussian; pixels outside the
// image count as transparent so the halo fades at the edge instead of
// smearing the border pixels.
std::vector<float> BlurredAlpha(const QImage& image, double sigma) {
  const int w = image.width();
  const int h = image.height();
  const auto kernel = GaussianKernel(sigma);
  const int reach = static_cast<int>(kernel.size() / 2);
  std::vector<float> alpha(static_cast<size_t>(w * h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      alpha[static_cast<size_t>(y * w + x)] = static_cast<float>(qAlpha(image.pixel(x, y))) / 255.0f;
  std::vector<float> pass(alpha.size(), 0.0f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float sum = 0.0f;
      for (int k = -reach; k <= reach; ++k)
        if (x + k >= 0 && x + k < w)
          sum += kernel[static_cast<size_t>(k + reach)] * alpha[static_cast<size_t>(y * w + x + k)];
      pass[static_cast<size_t>(y * w + x)] = sum;
    }
  std::vector<float> out(alpha.size(), 0.0f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float sum = 0.0f;
      for (int k = -reach; k <= reach; ++k)
        if (y + k >= 0 && y + k < h)
          sum += kernel[static_cast<size_t>(k + reach)] * pass[static_cast<size_t>((y + k) * w + x)];
      out[static_cast<size_t>(y * w + x)] = sum;
    }
  return out;
}

// Puts a soft halo of the glow colour under the glyph: on the near-black
// skin it lifts the glyph without an outline, and it brightens together with
// the glyph in a button's hot look.
QImage WithGlow(const QImage& glyph, const QColor& colour, double radius, double strength) {
  const auto blurred = BlurredAlpha(glyph, radius / 2.0);
  QImage result(glyph.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < glyph.height(); ++y)
    for (int x = 0; x < glyph.width(); ++x) {
      const double a = std::min(1.0, blurred[static_cast<size_t>(y * glyph.width() + x)] * strength);
      const int alpha = static_cast<int>(std::lround(a * 255.0));
      result.setPixel(x, y, qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), alpha)));
    }
  QPainter painter(&result);
  painter.drawImage(0, 0, glyph);
  return result;
}

QImage Finish(const ArtEntry& entry, QImage image) {
  if (entry.glow.isValid()) image = WithGlow(image, entry.glow, entry.glowRadius, entry.glowStrength);
  if (entry.kind == "tile") return image.convertToFormat(QImage::Format_RGB32);
  image = image.convertToFormat(QImage::Format_ARGB32);
  // Readers that key out a colour instead of reading alpha still find the
  // empty pixels transparent.
  if (entry.key.isValid()) {
    const QRgb keyed = qRgba(entry.key.red(), entry.key.green(), entry.key.blue(), 0);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) == 0) image.setPixel(x, y, keyed);
  }
  return image;
}

bool Load(QSvgRenderer& svg, const QString& svgPath, QString* error) {
  if (!svg.load(svgPath) || !svg.isValid()) {
    *error = svgPath + ": not a valid SVG";
    return false;
  }
  return true;
}

}  // namespace

QImage RenderArt(const ArtEntry& entry, const QString& svgPath, QString* error) {
  QSvgRenderer svg;
  if (!Load(svg, svgPath, error)) return {};
  const QSizeF box = svg.viewBoxF().size();
  if (box != QSizeF(entry.size)) {
    *error = QString("%1: view box %2x%3 differs from the image size %4x%5")
                 .arg(svgPath)
                 .arg(box.width())
                 .arg(box.height())
                 .arg(entry.size.width())
                 .arg(entry.size.height());
    return {};
  }
  return Finish(entry, DrawSvg(svg, entry.size));
}

QImage RenderArtScaled(const ArtEntry& entry, const QString& svgPath, int side, QString* error) {
  QSvgRenderer svg;
  if (!Load(svg, svgPath, error)) return {};
  return Finish(entry, DrawSvg(svg, QSize(side, side)));
}
