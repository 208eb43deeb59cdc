#include "library/RecordingNameRule.h"

#include "media/RecordingFile.h"

namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNameCharacter(char c)
{
    return IsAsciiDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '-';
}

} // namespace

bool PassesRecordingNameRule(std::string_view name)
{
    if (name.size() < 8)
        return false;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!IsNameCharacter(name[i]))
            return false;
    }
    for (std::size_t i = 4; i < 8; ++i) {
        if (!IsAsciiDigit(name[i]))
            return false;
    }
    return !name.ends_with(".AVI") || name.size() == 12;
}

std::uint32_t RecordingLockFlags(std::string_view name, bool readOnly)
{
    std::uint32_t flags = 0;
    if (name.size() >= 4 && name[3] == 'G')
        flags |= LOCK_G;
    if (readOnly)
        flags |= LOCK_M;
    return flags;
}
