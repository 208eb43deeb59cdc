#include "instruments/CPngCompassStatic.h"

#include "controls/CGdiPlusBitmapResource.h"
#include "controls/ColorMatrix.h"
#include "instruments/InstrumentText.h"

#include <QPainter>

#include <cmath>

CPngCompassStatic::CPngCompassStatic(QWidget* parent) : QWidget(parent) {}

bool CPngCompassStatic::AddImage(int resourceId) { return AddImage(QImage(CGdiPlusBitmapResource::ResourcePath(static_cast<unsigned>(resourceId)))); }

bool CPngCompassStatic::AddImage(const QImage& image)
{
    if (image.isNull())
        return false;
    images.push_back(image.convertToFormat(QImage::Format_ARGB32));
    // The grey rose is shown whenever there is no fix; made once, not per paint.
    if (images.size() == 1)
        greyRose = ApplyColorMatrix(images.front(), kGreyscaleMatrix);
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
    QPainter painter(&target);
    Paint(painter, target.rect());
}

void CPngCompassStatic::Paint(QPainter& painter, const QRect& whole) const
{
    if (currentIndex > ImageCount() || images.empty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(whole, currentIndex == 0 ? greyRose : images[static_cast<std::size_t>(currentIndex - 1)]);
}

void CPngCompassStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, rect());
}
