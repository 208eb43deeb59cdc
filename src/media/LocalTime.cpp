#include "media/LocalTime.h"

#include <ctime>

bool LocalDateTime::InRange() const
{
    return year >= 1900 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0 && hour <= 23 &&
           minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

std::optional<std::int64_t> LocalTimeToEpoch(const LocalDateTime& t)
{
    // Times before the epoch and far-future years are refused, as the cameras'
    // own players refuse them: such a date is a broken clock, not a recording.
    if (!t.InRange() || t.year < 1970 || t.year > 3000)
        return std::nullopt;
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    const std::time_t result = std::mktime(&tm);
    if (result < 0)
        return std::nullopt;
    return static_cast<std::int64_t>(result);
}

LocalDateTime EpochToLocalTime(std::int64_t seconds)
{
    const auto t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}
