#pragma once

#include <cstdint>
#include <string>

// Seconds since 1970 formatted with strftime rules in the local time zone,
// as the camera's clock and the lists show times. Empty for a time the C
// library cannot break down.
std::string LocalTimeText(std::int64_t seconds, const char* format);

// The same in UTC, for formats that carry absolute times (GPX).
std::string UtcTimeText(std::int64_t seconds, const char* format);
