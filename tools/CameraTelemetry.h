#pragma once

#include "media/GSensorSample.h"
#include "media/GpsSample.h"

#include <cstdint>
#include <string>
#include <vector>

// The elements a dashboard camera adds to its recordings: the GPS and
// G-sensor tracks with their rates, and optionally the start date as text.
struct CameraTelemetry {
    std::uint8_t gpsPerSecond = 10;
    std::vector<GpsSample> gps;
    std::uint8_t gsensorPerSecond = 10;
    std::vector<GSensorSample> gsensor;
    std::string dateText;  // "YYYY-MM-DD HH:MM:SS" local time; empty for none
};

// Adds the telemetry to a finished MOV or AVI recording in place, so that it
// still plays everywhere: MOV gets top-level boxes after its last box; AVI
// gets chunks inside its RIFF, before the "idx1" index. Refuses files that
// already carry camera elements. Throws std::runtime_error.
void AddCameraTelemetry(const std::string& path, const CameraTelemetry& telemetry);
