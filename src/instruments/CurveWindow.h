#pragma once

#include <cstddef>
#include <cstdint>

// The time span the G-sensor chart shows and where its cursor stands. Kept
// apart from the widget so the placement rules can be checked without drawing.
struct CurveWindow {
    enum Mode { kWholeRecording = 0, kFixedLength = 1, kScaled = 2 };

    std::size_t sampleCount = 0;
    int plotWidth = 0;
    double samplesPerMs = 0.016;
    double fixedWindowMs = 60000.0;
    double pixelsPerMs = 0.025;
    int mode = kWholeRecording;

    double recordingMs = 0.0;
    double windowMs = 0.0;
    double windowStart = 0.0;
    double windowEnd = 0.0;
    double position = 0.0;

    // Recording length and window length after a change of rate, scale,
    // mode, samples or plot width.
    void Recalc();
    // Moves the cursor, clamped into the recording, and slides the window so
    // the cursor stays centred except near either end.
    void SetPosition(int ms);
    // The window length painting uses: whole milliseconds, never 0, so the
    // chart always has a time axis even before anything is loaded.
    double DrawingWindowMs() const;
    // Sample plotted in a column (0 = plot left), or -1 past the last sample.
    std::int64_t SampleAtColumn(int column) const;
    // Sample whose values the legend shows, or -1 when the cursor is past the data.
    std::int64_t SampleAtPosition() const;
    // Cursor offset from the plot left in pixels.
    int CursorColumn() const;
};

// Pixel row of a value in G: +3 G on the plot top, -3 G on the plot bottom.
int CurveRow(double g, int zeroRow, int plotHeight);
