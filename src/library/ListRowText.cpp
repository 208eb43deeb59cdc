#include "library/ListRowText.h"

#include "library/TimeText.h"
#include "media/RecordingFile.h"

namespace {

// The lists count sizes in whole MiB, truncated.
std::string SizeText(std::uint64_t bytes) { return " " + std::to_string(bytes >> 20) + " MB"; }

std::string LengthText(std::uint64_t ms) { return " " + std::to_string(ms / 1000) + " s "; }

} // namespace

GroupRowText FormatGroupRow(int group, const std::string& resolution, std::uint64_t totalDurationMs,
                            std::uint64_t totalSize, std::int64_t startTime)
{
    return {"G" + std::to_string(group), resolution, LocalTimeText(startTime, "%Y-%m-%d %H:%M:%S"),
            LengthText(totalDurationMs), SizeText(totalSize)};
}

FileRowText FormatFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                          std::uint32_t durationMs, std::uint64_t size, std::int64_t startTime)
{
    return {"G" + std::to_string(group) + '-' + std::to_string(indexInGroup),
            name,
            LocalTimeText(startTime, "%H:%M:%S"),
            LocalTimeText(startTime + durationMs / 1000, "%H:%M:%S"),
            SizeText(size),
            folder};
}

std::string LockFlagsText(std::uint32_t lockFlags)
{
    std::string text;
    if (lockFlags & LOCK_G)
        text += 'G';
    if (lockFlags & LOCK_M)
        text += 'M';
    return text.empty() ? "-" : text;
}
