#pragma once

#include "controls/CSkinSlider.h"

// The playback position (the window gives it 0..1000, thousandths of the
// recording): a black strip with a green thumb, magenta while dragged.
// Sends UM_SEEK_REQUEST.
class CVideoSlider : public CSkinSlider {
    Q_OBJECT

public:
    explicit CVideoSlider(QWidget* parent = nullptr);

protected:
    void PaintChannel(QPainter& painter) override;
};
