#include "instruments/CurveWindow.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinWholeWindowMs = 1000.0;
constexpr double kMaxWholeWindowMs = 3600000.0;
constexpr double kDefaultDrawingWindowMs = 20000.0;
constexpr double kFullScaleG = 3.0;

std::int64_t Truncate(double value) { return static_cast<std::int64_t>(std::trunc(value)); }

} // namespace

void CurveWindow::Recalc()
{
    // A zero rate would make the recording endless; treat it as empty instead.
    recordingMs = samplesPerMs > 0.0 ? static_cast<double>(sampleCount) / samplesPerMs : 0.0;
    switch (mode) {
    case kWholeRecording:
        windowMs = std::clamp(recordingMs, kMinWholeWindowMs, kMaxWholeWindowMs);
        break;
    case kFixedLength:
        windowMs = fixedWindowMs;
        break;
    case kScaled:
        if (pixelsPerMs > 0.0)
            windowMs = plotWidth / pixelsPerMs;
        break;
    default:
        break;
    }
}

void CurveWindow::SetPosition(int ms)
{
    position = ms;
    Recalc();
    if (recordingMs < position)
        position = recordingMs;
    else if (position < 0.0)
        position = 0.0;

    const double half = windowMs * 0.5;
    if (half > position || windowMs > recordingMs) {
        windowStart = 0.0;
        windowEnd = std::min(windowMs, recordingMs);
    } else if (position + half < recordingMs) {
        windowStart = position - half;
        windowEnd = position + half;
    } else {
        windowStart = recordingMs - windowMs;
        windowEnd = recordingMs;
    }
}

double CurveWindow::DrawingWindowMs() const
{
    double ms = 0.0;
    if (mode == kWholeRecording)
        ms = samplesPerMs > 0.0 ? std::trunc(static_cast<double>(sampleCount) / samplesPerMs)
                                : kDefaultDrawingWindowMs;
    else if (mode == kFixedLength)
        ms = fixedWindowMs;
    else if (pixelsPerMs > 0.0)
        ms = std::trunc(plotWidth / pixelsPerMs);
    return ms == 0.0 ? kDefaultDrawingWindowMs : ms;
}

std::int64_t CurveWindow::SampleAtColumn(int column) const
{
    if (plotWidth <= 0)
        return -1;
    const std::int64_t t = Truncate(column * windowMs / plotWidth + windowStart);
    const std::int64_t index = Truncate(static_cast<double>(t) * samplesPerMs);
    if (index < 0 || static_cast<std::uint64_t>(index) >= sampleCount)
        return -1;
    return index;
}

std::int64_t CurveWindow::SampleAtPosition() const
{
    const std::int64_t index = Truncate(std::trunc(position) * samplesPerMs);
    if (index < 0 || static_cast<std::uint64_t>(index) >= sampleCount)
        return -1;
    return index;
}

int CurveWindow::CursorColumn() const
{
    if (windowMs <= 0.0)
        return 0;
    return static_cast<int>(Truncate((position - windowStart) * plotWidth / windowMs));
}

int CurveRow(double g, int zeroRow, int plotHeight)
{
    const double limited = std::clamp(g, -kFullScaleG, kFullScaleG);
    return static_cast<int>(Truncate(zeroRow - limited * (plotHeight / (2.0 * kFullScaleG))));
}
