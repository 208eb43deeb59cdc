#include "browser/LockImages.h"

#include <QImage>
#include <QPixmap>

namespace {

// Magenta is the strip's transparent colour; keying it out keeps the images
// transparent even where the picture carries no alpha channel.
constexpr QRgb kTransparentKey = qRgb(255, 0, 255);

QImage KeyedOut(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == (kTransparentKey & RGB_MASK))
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

} // namespace

std::array<QIcon, 4> LoadLockImages()
{
    const QImage strip = KeyedOut(QImage(QStringLiteral(":/images/158.png")));
    std::array<QIcon, 4> images;
    for (int i = 0; i < static_cast<int>(images.size()); ++i)
        images[static_cast<std::size_t>(i)] =
            QIcon(QPixmap::fromImage(strip.copy(i * kLockImageSize, 0, kLockImageSize, kLockImageSize)));
    return images;
}
