#pragma once

#include "controls/CGdiPlusBitmapResource.h"

#include <QImage>
#include <QWidget>

// One PNG of the artwork scaled to the control, in colour or greyed.
// Without an image (none set, or it failed to load) the control is blank.
class CPngStatic : public QWidget {
    Q_OBJECT

public:
    explicit CPngStatic(QWidget* parent = nullptr);

    bool SetPng(unsigned id);
    // Repaints when the look changes.
    void SetColoured(bool coloured);
    bool IsColoured() const { return m_coloured; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CGdiPlusBitmapResource m_image;
    // Made once per image, since the GPS indicator changes look often.
    QImage m_grey;
    bool m_coloured = false;
};
