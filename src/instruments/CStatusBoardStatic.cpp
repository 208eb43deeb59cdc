#include "instruments/CStatusBoardStatic.h"

#include "controls/CGdiPlusBitmapResource.h"

#include <QBrush>
#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

CStatusBoardStatic::CStatusBoardStatic(QWidget* parent) : QWidget(parent)
{
    // The paint covers every pixel; erasing first would only flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CStatusBoardStatic::SetProgress(int value)
{
    percent = std::clamp(value, 0, 100);
    progressText = QStringLiteral("%1 %").arg(percent);
    repaint();
    // A window that composes through the graphics stack (the map's web view
    // makes the main window one) turns a repaint within a frame of the last
    // composition into a posted update, which the copy would only reach after
    // its last file; deliver it now.
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

void CStatusBoardStatic::SetBarBitmap(int resourceId) { SetBarImage(resourceId, QImage(CGdiPlusBitmapResource::ResourcePath(static_cast<unsigned>(resourceId)))); }

void CStatusBoardStatic::SetBarImage(int resourceId, const QImage& image)
{
    barBitmap = resourceId;
    barImage = image;
}

void CStatusBoardStatic::Render(QImage& target) const
{
    QPainter painter(&target);
    const QRect whole(0, 0, target.width(), target.height());
    const int split = whole.width() * percent / 100;
    const QRect filled(0, 0, split, whole.height());
    const QRect rest(split, 0, whole.width() - split, whole.height());

    // A bar picture that is missing leaves the filled part as it was.
    if (barBitmap == 0)
        painter.fillRect(filled, barColour);
    else if (!barImage.isNull())
        painter.fillRect(filled, QBrush(barImage));
    painter.fillRect(rest, backgroundColour);

    painter.setPen(textColour);
    painter.drawText(whole, Qt::AlignCenter, progressText);

    // Raised edge in the system's 3-D colours: an outer and an inner ring,
    // each light on the top and left and dark on the bottom and right.
    const auto edge = [&](const QRect& r, const QColor& light, const QColor& dark) {
        painter.setPen(light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    edge(whole, palette().color(QPalette::Midlight), palette().color(QPalette::Shadow));
    edge(whole.adjusted(1, 1, -1, -1), palette().color(QPalette::Light), palette().color(QPalette::Dark));
}

void CStatusBoardStatic::paintEvent(QPaintEvent*)
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    Render(image);
    QPainter(this).drawImage(0, 0, image);
}
