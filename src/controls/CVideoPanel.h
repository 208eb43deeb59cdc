#pragma once

#include <QWidget>

// A panel of the video row. A double click asks the window to switch full
// screen (UM_TOGGLE_FULLSCREEN); single clicks end here, so they never reach
// the window, where a press would start dragging the window.
class CVideoPanel : public QWidget {
    Q_OBJECT

public:
    explicit CVideoPanel(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
