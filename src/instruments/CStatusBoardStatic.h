#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// The progress bar with a percentage shown while the checked files are copied.
class CStatusBoardStatic : public QWidget {
    Q_OBJECT

public:
    explicit CStatusBoardStatic(QWidget* parent = nullptr);

    // Repaints before returning: the copy runs on this thread and does not
    // return to the event loop between files.
    void SetProgress(int percent);
    // Picture tiled over the filled part; 0 fills it with the bar colour.
    void SetBarBitmap(int resourceId);
    // The same with a picture already at hand (resource ID stays as given).
    void SetBarImage(int resourceId, const QImage& image);

    int Percent() const { return percent; }
    QString ProgressText() const { return progressText; }

    void Render(QImage& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int percent = 0;
    QString progressText;
    QColor backgroundColour{5, 5, 5};
    QColor textColour{5, 5, 5};
    QColor barColour{5, 5, 5};
    int barBitmap = 0;
    QImage barImage;
};
