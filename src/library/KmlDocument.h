#pragma once

#include "media/RecordingFile.h"

#include <cstdint>
#include <span>
#include <string>

// The KML 2.2 document of a recording's GPS track: one blue line string
// through every record with a usable fix, longitude, latitude and altitude.
std::string KmlDocument(const RecordingFile& file, std::span<const std::uint8_t> gpsPayload);
