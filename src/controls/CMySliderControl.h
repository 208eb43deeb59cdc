#pragma once

#include "controls/CSkinSlider.h"

// The volume (the window gives it 0..100): a red thumb on a sunken groove,
// with the window's skin showing around and through it wherever the slider
// is placed. Sends UM_VOLUME_CHANGED.
class CMySliderControl : public CSkinSlider {
    Q_OBJECT

public:
    explicit CMySliderControl(QWidget* parent = nullptr);

    QRect GrooveRect() const;

protected:
    void PaintChannel(QPainter& painter) override;
};
