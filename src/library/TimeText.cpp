#include "library/TimeText.h"

#include <ctime>

namespace {

std::string Format(const std::tm* tm, const char* format)
{
    if (!tm)
        return {};
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, format, tm);
    return std::string(text, length);
}

} // namespace

std::string LocalTimeText(std::int64_t seconds, const char* format)
{
    const auto t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    return Format(localtime_r(&t, &tm), format);
}

std::string UtcTimeText(std::int64_t seconds, const char* format)
{
    const auto t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    return Format(gmtime_r(&t, &tm), format);
}
