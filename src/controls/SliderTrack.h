#pragma once

// The stretch a slider's thumb centre travels, in client x: the minimum
// sits at `left`, the maximum at `right`.
struct SliderTrack {
    int left = 0;
    int right = 0;
};

// The position under a mouse x: proportional along the track, truncated
// towards zero and kept within the range, so a click beside the track
// gives its nearer end. A track without width gives the minimum.
int SliderPositionFromX(int x, SliderTrack track, int minimum, int maximum);

// Where the thumb centre of a position lies, to the nearest pixel.
int SliderXFromPosition(int position, SliderTrack track, int minimum, int maximum);
