#pragma once

#include <cstdint>
#include <optional>

// A calendar date and time on the camera's clock, which runs in local time.
struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // The field ranges a camera date must satisfy before it is converted.
    bool InRange() const;
};

// Seconds since 1970 for a local date (mktime semantics, the C library
// decides daylight saving). Empty when the date is out of range or cannot be
// represented (before 1970 or after 3000), which callers treat as an error.
std::optional<std::int64_t> LocalTimeToEpoch(const LocalDateTime& t);

// The local calendar date of a time, for display and export.
LocalDateTime EpochToLocalTime(std::int64_t seconds);
