#include "controls/CMySliderControl.h"

#include "playback/WindowMessages.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

// The groove is 4 pixels high inside a 2-pixel sunken border.
constexpr int kGrooveHeight = 8;

} // namespace

CMySliderControl::CMySliderControl(QWidget* parent)
    : CSkinSlider(UM_VOLUME_CHANGED, QColor(255, 0, 0), QColor(170, 0, 0), parent)
{
}

QRect CMySliderControl::GrooveRect() const
{
    const SliderTrack track = Track();
    return {track.left, (height() - kGrooveHeight) / 2, track.right - track.left, kGrooveHeight};
}

void CMySliderControl::PaintChannel(QPainter& painter)
{
    // Nothing is filled: the parent has painted its skin beneath.
    qDrawWinPanel(&painter, GrooveRect(), palette(), true);
}
