#pragma once

#include <QRect>
#include <QSize>

#include <optional>

struct VideoRects {
    QRect primary;
    QRect partner;
};

// The two video surfaces inside their panels: both keep the picture's
// aspect as it fits the first panel, centred by the same offset, so the
// partner (the wider panel) shows its picture the size of the primary's.
// Without a picture size the surfaces fill their panels.
VideoRects FitVideoRects(QRect primaryPanel, QRect partnerPanel, std::optional<QSize> picture);
