#include "controls/SliderTrack.h"

#include <algorithm>
#include <cstdint>

int SliderPositionFromX(int x, SliderTrack track, int minimum, int maximum)
{
    const int width = track.right - track.left;
    if (width <= 0 || maximum <= minimum)
        return minimum;
    // 64 bits: a long track times a wide range must not overflow.
    const std::int64_t offset = static_cast<std::int64_t>(x - track.left) * (maximum - minimum) / width;
    return static_cast<int>(std::clamp<std::int64_t>(minimum + offset, minimum, maximum));
}

int SliderXFromPosition(int position, SliderTrack track, int minimum, int maximum)
{
    if (maximum <= minimum)
        return track.left;
    const std::int64_t range = maximum - minimum;
    const std::int64_t offset = std::clamp(position, minimum, maximum) - minimum;
    // Rounded to the nearest pixel, so the thumb sits where it was clicked.
    return track.left + static_cast<int>((offset * (track.right - track.left) * 2 + range) / (2 * range));
}
