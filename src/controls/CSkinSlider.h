#pragma once

#include "controls/SliderTrack.h"
#include "playback/PlaybackViews.h"

#include <QColor>
#include <QSlider>

// A horizontal slider of the skin with a round thumb. A click puts the thumb
// under the mouse at once (no page steps), dragging follows the mouse even
// outside the slider, and every position the mouse sets is announced to the
// window with the slider's message, at each move of a drag and at the
// release. Keys and the wheel move it as usual and emit Scrolled().
class CSkinSlider : public QSlider, public ISlider {
    Q_OBJECT

public:
    int Position() const override { return value(); }
    // Ignored while the user drags the thumb: the playing time must not pull
    // it away from under the mouse.
    void SetPosition(int position) override;

    // The travel of the thumb centre for the current size.
    SliderTrack Track() const;
    QRect ThumbRect() const;

signals:
    // A key or the wheel moved the thumb.
    void Scrolled();

protected:
    CSkinSlider(int message, QColor thumbColour, QColor pressedThumbColour, QWidget* parent);

    // Everything under the thumb.
    virtual void PaintChannel(QPainter& painter) = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int ThumbDiameter() const;
    void SetPositionUnderMouse(const QMouseEvent& event);

    int m_message;
    QColor m_thumbColour;
    QColor m_pressedThumbColour;
    bool m_dragging = false;
};
