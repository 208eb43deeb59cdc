#include "media/CZelVideoParser.h"

#include "media/GpsSample.h"
#include "media/LittleEndian.h"
#include "media/LocalTime.h"

#include <algorithm>
#include <cstdio>

int CZelVideoParser::Parse(const std::string&) { return 0; }

void CZelVideoParser::ClearResults()
{
    file.Close();
    startTime = durationSeconds = 0;
    durationMs = 0;
    gpsOffset = gsensorOffset = fileLength = 0;
    gpsSize = gsensorSize = 0;
    width = height = 0;
    gpsRate = gsensorInfo = 0;
    dateFound = false;
}

bool CZelVideoParser::OpenFile(const std::string& path)
{
    if (!file.Open(path))
        return false;
    if (statusTarget)
        file.Status(*statusTarget);
    fileLength = file.Length();
    return true;
}

CZelVideoParser::DateOutcome CZelVideoParser::ReadDateText(std::uint64_t offset, std::uint64_t size)
{
    char text[65] = {};
    file.ReadAt(offset, text, static_cast<std::size_t>(std::min<std::uint64_t>(size, 64)));
    LocalDateTime t;
    std::sscanf(text, "%04d-%02d-%02d %02d:%02d:%02d", &t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second);
    if (!t.InRange())
        return DateOutcome::Invalid;
    const auto seconds = LocalTimeToEpoch(t);
    if (!seconds)
        return DateOutcome::Unconvertible;
    startTime = *seconds;
    return DateOutcome::Valid;
}

bool CZelVideoParser::TakeStartTimeFromGps(std::uint64_t offset, std::uint64_t size)
{
    const std::uint64_t count = size / GpsSample::kSize;
    std::uint8_t record[GpsSample::kSize];
    for (std::uint64_t i = 0; i < count && !dateFound; ++i) {
        if (!file.ReadExact(offset + i * GpsSample::kSize, record, sizeof record))
            break;
        const GpsSample s = GpsSample::Decode(record);
        if (!s.HasValidDate())
            continue;
        const auto seconds = LocalTimeToEpoch({2000 + s.year, s.month, s.day, s.hour, s.minute, s.second});
        if (!seconds)
            return false;
        const unsigned rate = RateByte(gpsRate) == 0 ? 1u : RateByte(gpsRate);
        // The record's own time is later than the start by its place in the track.
        startTime = *seconds - static_cast<std::int64_t>(i / rate);
        dateFound = true;
    }
    return true;
}

std::uint32_t CZelVideoParser::ReadRateWord(std::uint64_t offset, std::uint64_t size)
{
    std::uint8_t bytes[4] = {};
    file.ReadAt(offset, bytes, static_cast<std::size_t>(std::min<std::uint64_t>(size, 4)));
    return ReadU32LE(bytes);
}

int CZelVideoParser::Finish(bool usable)
{
    file.Close();
    if (!dateFound)
        startTime = 0;
    if (!usable || width == 0 || height == 0 || durationMs == 0) {
        width = height = 0;
        durationMs = 0;
        return -1;
    }
    if (infoTarget) {
        infoTarget->gpsOffset = gpsOffset;
        infoTarget->gpsSize = gpsSize;
        infoTarget->gsensorOffset = gsensorOffset;
        infoTarget->gsensorSize = gsensorSize;
        infoTarget->width = width;
        infoTarget->height = height;
        infoTarget->startTime = startTime;
        infoTarget->durationSeconds = durationSeconds;
        infoTarget->durationMs = durationMs;
        infoTarget->fileSize = fileLength;
        infoTarget->gpsRate = gpsRate;
        infoTarget->gsensorInfo = gsensorInfo;
    }
    return 0;
}
