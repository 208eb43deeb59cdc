#pragma once

#include "media/GSensorSample.h"
#include "media/GpsSample.h"

#include <string>
#include <vector>

// The drives of the demo card: real roads, a speed profile per drive, and
// the GPS fixes and G-sensor samples a camera would have recorded on them.
namespace demo {

// A calendar date and time as the camera's clock shows it: local, no zone.
struct WallClock {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "YYYY-MM-DD HH:MM:SS"; throws std::invalid_argument for anything else.
WallClock ParseWallClock(const std::string& text);
WallClock AddSeconds(const WallClock& clock, long long seconds);
std::string FormatWallClock(const WallClock& clock);  // "YYYY-MM-DD HH:MM:SS"
std::string FormatTimeOfDay(const WallClock& clock);  // "HH:MM:SS"

struct Trip;

// Drives 1 and 2; throws std::out_of_range for other numbers.
const Trip& TripNumber(int number);

// What the camera recorded during `seconds` seconds of a drive, starting
// `fromSecond` seconds after the drive began, with `start` as the camera's
// clock at that moment.
struct TelemetryWindow {
    std::vector<GpsSample> gps;
    std::vector<GSensorSample> gsensor;
    // Notable moments of the window in words (lost fix, hard braking).
    std::vector<std::string> events;
};

TelemetryWindow SampleTrip(const Trip& trip, int fromSecond, int seconds, const WallClock& start, int gpsPerSecond,
                           int gsensorPerSecond);

} // namespace demo
