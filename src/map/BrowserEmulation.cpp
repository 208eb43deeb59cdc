#include "map/BrowserEmulation.h"

#include <climits>
#include <cstddef>
#include <cstdint>

namespace {

// 50 bytes of UTF-16 hold 24 characters and the terminator.
constexpr std::size_t kMaxVersionLength = 24;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::optional<int> ReadableMajor(const std::optional<std::string>& text)
{
    if (!text || text->size() > kMaxVersionLength)
        return std::nullopt;
    return VersionMajor(*text);
}

} // namespace

int VersionMajor(std::string_view versionText)
{
    const std::size_t dot = versionText.find('.');
    if (dot == std::string_view::npos)
        return 0;
    const std::string_view head = versionText.substr(0, dot);

    std::size_t i = 0;
    while (i < head.size() && IsBlank(head[i]))
        ++i;
    bool negative = false;
    if (i < head.size() && (head[i] == '+' || head[i] == '-'))
        negative = head[i++] == '-';

    // Saturates instead of overflowing: an absurd number still means "new".
    std::int64_t value = 0;
    for (; i < head.size() && head[i] >= '0' && head[i] <= '9'; ++i) {
        value = value * 10 + (head[i] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

int BrowserMajorVersion(const std::optional<std::string>& svcVersion, const std::optional<std::string>& version)
{
    const std::optional<int> service = ReadableMajor(svcVersion);
    if (service && *service >= 9)
        return *service;
    if (const std::optional<int> plain = ReadableMajor(version))
        return *plain;
    return service.value_or(0);
}

std::optional<std::uint32_t> BrowserEmulationValue(int majorVersion)
{
    switch (majorVersion) {
    case 11: return 11001;  // version 11 edge mode
    case 10: return 10001;  // version 10 standards mode
    default: break;
    }
    if (majorVersion < 9)
        return std::nullopt;
    // 9 and anything newer than 11 get the version 9 standards mode.
    return 9999;
}
