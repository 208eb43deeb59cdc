#include "ArtCheck.h"

#include <cmath>

#include <QImage>
#include <QPainter>
#include <QTransform>

namespace {

// Share of pixels that are clearly drawn (alpha above one half).
double InkShare(const QImage& image, QRect area) {
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qAlpha(image.pixel(x, y)) > 128) ++ink;
  return static_cast<double>(ink) / (area.width() * area.height());
}

int MaxAlpha(const QImage& image, QRect area) {
  int most = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) most = std::max(most, qAlpha(image.pixel(x, y)));
  return most;
}

bool HasSeveralColours(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != first) return true;
  return false;
}

// A button draws its pressed look one pixel right and down, clipping the last
// column and row; anything solid there would be cut off while pressed.
void CheckButton(const ArtEntry& entry, const QImage& image, QStringList* problems) {
  const QRect lastColumn(image.width() - 1, 0, 1, image.height());
  const QRect lastRow(0, image.height() - 1, image.width(), 1);
  if (MaxAlpha(image, lastColumn) > 48 || MaxAlpha(image, lastRow) > 48)
    problems->append(entry.id + ": drawn into the last column or row, which the pressed look cuts off");
}

void CheckStrip(const ArtEntry& entry, const QImage& image, QStringList* problems) {
  const int side = image.height();
  // Image 0 of the lock strip means "no lock" and must show nothing.
  if (MaxAlpha(image, QRect(0, 0, side, side)) != 0)
    problems->append(entry.id + ": cell 0 is not empty");
  for (int cell = 1; cell < entry.cells; ++cell) {
    const QRect area(cell * side, 0, side, side);
    if (InkShare(image, area) < 0.05) problems->append(QString("%1: cell %2 is blank").arg(entry.id).arg(cell));
    for (int other = 1; other < cell; ++other)
      if (image.copy(area) == image.copy(QRect(other * side, 0, side, side)))
        problems->append(QString("%1: cells %2 and %3 are the same").arg(entry.id).arg(other).arg(cell));
  }
  if (entry.key.isValid()) {
    const QRgb keyed = qRgba(entry.key.red(), entry.key.green(), entry.key.blue(), 0);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) == 0 && image.pixel(x, y) != keyed) {
          problems->append(entry.id + ": transparent pixels do not carry the key colour");
          return;
        }
  }
}

// The tile is repeated sideways over the filled part of the progress bar, so
// every row must be one colour and every pixel opaque.
void CheckTile(const ArtEntry& entry, const QImage& image, QStringList* problems) {
  if (image.hasAlphaChannel()) problems->append(entry.id + ": a tile must be opaque");
  for (int y = 0; y < image.height(); ++y)
    for (int x = 1; x < image.width(); ++x)
      if (image.pixel(x, y) != image.pixel(0, y)) {
        problems->append(QString("%1: row %2 changes colour, the tile would show seams").arg(entry.id).arg(y));
        return;
      }
}

double Difference(const QImage& a, const QImage& b) {
  // Only the disc counts: the corners are transparent in every heading.
  const double cx = a.width() / 2.0;
  const double cy = a.height() / 2.0;
  const double r = std::min(cx, cy) - 4.0;
  double sum = 0.0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) > r) continue;
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return sum;
}

QImage Turned(const QImage& image, int degrees) {
  QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter painter(&out);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.translate(image.width() / 2.0, image.height() / 2.0);
  painter.rotate(degrees);
  painter.translate(-image.width() / 2.0, -image.height() / 2.0);
  painter.drawImage(0, 0, image);
  return out.convertToFormat(QImage::Format_ARGB32);
}

// The compass picks rose k for headings around 360 - 45 (k - 1) degrees, so
// rose k must be the first rose turned clockwise by 45 (k - 1) degrees and by
// no other multiple of 45.
void CheckRoses(const QList<ArtEntry>& roses, const QList<QImage>& images, QStringList* problems) {
  if (roses.size() != 8) {
    problems->append(QString("expected 8 compass roses, found %1").arg(roses.size()));
    return;
  }
  for (int k = 0; k < 8; ++k) {
    int best = -1;
    double bestDifference = 0.0;
    for (int turn = 0; turn < 8; ++turn) {
      const double d = Difference(images[k], Turned(images[0], 45 * turn));
      if (best < 0 || d < bestDifference) {
        best = turn;
        bestDifference = d;
      }
    }
    if (best != k)
      problems->append(QString("%1: looks like rose %2 turned by %3 degrees, expected %4")
                           .arg(roses[k].id, roses[0].id)
                           .arg(45 * best)
                           .arg(45 * k));
  }
}

}  // namespace

QStringList CheckRenderedArt(const QList<ArtEntry>& entries, const QString& folder) {
  QStringList problems;
  QList<ArtEntry> roses;
  QList<QImage> roseImages;
  for (const ArtEntry& entry : entries) {
    const QStringList names = ArtOutputNames(entry);
    for (qsizetype i = 0; i < names.size(); ++i) {
      const QString path = folder + "/" + names[i];
      const QImage image(path);
      if (image.isNull()) {
        problems.append(path + ": missing or unreadable");
        continue;
      }
      const QSize expected = i == 0 ? entry.size : QSize(entry.iconSizes[i - 1], entry.iconSizes[i - 1]);
      if (image.size() != expected) {
        problems.append(QString("%1: %2x%3, expected %4x%5")
                            .arg(path)
                            .arg(image.width())
                            .arg(image.height())
                            .arg(expected.width())
                            .arg(expected.height()));
        continue;
      }
      const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
      if (!HasSeveralColours(argb) || InkShare(argb, argb.rect()) < 0.01)
        problems.append(path + ": blank");
      if (i > 0) continue;
      if (entry.kind == "button") CheckButton(entry, argb, &problems);
      if (entry.kind == "strip") CheckStrip(entry, argb, &problems);
      if (entry.kind == "tile") CheckTile(entry, image, &problems);
      if (entry.kind == "rose") {
        roses.append(entry);
        roseImages.append(argb);
      }
    }
  }
  if (!roses.isEmpty()) CheckRoses(roses, roseImages, &problems);
  return problems;
}
