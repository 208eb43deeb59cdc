#pragma once

#include "support/ByteWriter.h"

#include "media/GSensorSample.h"
#include "media/GpsSample.h"

#include <vector>

namespace fixtures {

// A GPS record with a fix at (latitude, longitude) in ddmm.mmmm, dated
// 2000 + year etc. when `year` is not 0.
GpsSample Fix(double latitude, double longitude, int speed = 0, int heading = 0);
GpsSample Dated(GpsSample s, int year, int month, int day, int hour, int minute, int second);

Bytes GpsPayload(const std::vector<GpsSample>& records);
Bytes GSensorPayload(const std::vector<GSensorSample>& samples);
// The four bytes of a rate element: the rate in the first byte.
Bytes RateWord(std::uint8_t perSecond);

} // namespace fixtures
