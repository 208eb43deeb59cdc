#pragma once

#include "media/VideoFileInfo.h"

#include <cstdint>
#include <string>
#include <vector>

// Reads `size` bytes at `offset` of the file at `path` into `out`. A payload
// that does not lie wholly inside the file is not read: `out` is left empty
// and the result is false, as it is when the file cannot be read.
bool ReadPayload(const std::string& path, std::uint64_t offset, std::uint32_t size, std::vector<std::uint8_t>& out);

// G-sensor samples per second: the camera's stated rate, or else the samples
// spread evenly over the recording.
double GSensorSamplesPerSecond(const VideoFileInfo& info);
