#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

#include <vector>

// The compass rose turned to the car's heading, or a grey rose without a fix.
class CPngCompassStatic : public QWidget {
    Q_OBJECT

public:
    explicit CPngCompassStatic(QWidget* parent = nullptr);

    // Loads a rose image by resource ID; one that cannot be loaded is not
    // added, so headings map onto the images that were.
    bool AddImage(int resourceId);
    bool AddImage(const QImage& image);
    bool SetHeading(int degrees);
    // 0 shows the grey rose; an index past the images changes nothing.
    bool SetImageIndex(int index);

    int ImageIndex() const { return currentIndex; }
    int ImageCount() const { return static_cast<int>(images.size()); }

    void Render(QImage& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Paint(QPainter& painter, const QRect& whole) const;

    int currentIndex = 0;
    std::vector<QImage> images;
    QImage greyRose;
};

