#pragma once

#include "media/RecordingFile.h"

#include <cstdint>
#include <span>
#include <string>

// The GPX 1.1 track of a recording: the same points as the KML export, each
// with elevation, UTC time, and speed (m/s) and course (degrees) in the
// widely read Garmin track point extension, since GPX 1.1 itself has neither.
std::string GpxDocument(const RecordingFile& file, std::span<const std::uint8_t> gpsPayload);
