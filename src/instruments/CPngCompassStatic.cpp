#include "instruments/CPngCompassStatic.h"

#include "controls/ColorMatrix.h"

#include "instruments/InstrumentText.h"
#include "controls/CGdiPlusBitmapResource.h"

#include <QPainter>

#include <cmath>

CPngCompassStatic::CPngCompassStatic(QWidget* parent) : QWidget(parent) {}

bool CPngCompassStatic::AddImage(int resourceId) { return AddImage(QImage(CGdiPlusBitmapResource::ResourcePath(static_cast<unsigned>(resourceId)))); }

bool CPngCompassStatic::AddImage(const QImage& image)
{
    if (image.isNull())
        return false;
    images.push_back(image.convertToFormat(QImage::Format_ARGB32));
    return true;
}

bool CPngCompassStatic::SetHeading(int degrees)
{
    if (images.empty())
        return true;
    currentIndex = CompassImageIndex(degrees, ImageCount());
    update();
    return true;
}

bool CPngCompassStatic::SetImageIndex(int index)
{
    if (index < 0 || index > ImageCount())
        return false;
    currentIndex = index;
    update();
    return true;
}

void CPngCompassStatic::Render(QImage& target) const
{
    if (currentIndex > ImageCount() || images.empty())
        return;
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect whole(0, 0, target.width(), target.height());
    if (currentIndex == 0)
        painter.drawImage(whole, ApplyColorMatrix(images.front(), kGreyscaleMatrix));
    else
        painter.drawImage(whole, images[static_cast<std::size_t>(currentIndex - 1)]);
}

void CPngCompassStatic::paintEvent(QPaintEvent*)
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    Render(image);
    QPainter(this).drawImage(0, 0, image);
}
