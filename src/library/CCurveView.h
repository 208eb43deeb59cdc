#pragma once

#include <cstdint>

// The G-sensor curves of the current recording with a cursor at the playing time.
class CCurveView {
public:
    virtual ~CCurveView() = default;

    virtual void ClearSamples() = 0;
    // `count` stored 3-byte samples (GSensorSample layout) in time order.
    virtual void AppendSamples(int count, const std::uint8_t* samples) = 0;
    // Recomputes the recording and window lengths after a change of rate, scale or samples.
    virtual void RecalcWindow() = 0;
    virtual void SetSampleRate(double samplesPerMs) = 0;
    virtual void SetTimeScale(double pixelsPerMs) = 0;
    virtual void SetWindowMode(int mode) = 0;
    virtual void SetStopped(bool stopped) = 0;
    // Moves the cursor to the playing time.
    virtual void SetPosition(int ms) = 0;
    // Schedules a repaint of the whole control.
    virtual void Invalidate() = 0;
};
