#pragma once

#include <cstdint>

// What a container parser learns about one recording. Parsers write it only
// when they succeed, so a failed parse leaves the caller's zeroed record alone.
struct VideoFileInfo {
    std::uint64_t gpsOffset = 0;      // absolute offset of the GPS payload, 0 when absent
    std::uint32_t gpsSize = 0;        // GPS payload bytes (32 per record)
    std::uint64_t gsensorOffset = 0;  // absolute offset of the G-sensor payload, 0 when absent
    std::uint32_t gsensorSize = 0;    // G-sensor payload bytes (3 per sample)
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::int64_t startTime = 0;       // seconds since 1970 from the camera's local clock, 0 when unknown
    std::int64_t durationSeconds = 0;
    std::uint32_t durationMs = 0;     // never 0 after a successful parse
    std::uint64_t fileSize = 0;
    std::uint32_t gpsRate = 0;        // first four "gpsa" bytes as stored; byte 0 = records per second
    std::uint32_t gsensorInfo = 0;    // first four "gsea" bytes as stored; byte 0 = samples per second

    bool operator==(const VideoFileInfo&) const = default;
};

// The camera stores its rates as the first byte of a raw word.
inline std::uint8_t RateByte(std::uint32_t word) { return static_cast<std::uint8_t>(word & 0xFFu); }

// Records per second of the GPS track; a rate of 0 means one per second.
inline unsigned GpsRecordsPerSecond(const VideoFileInfo& info)
{
    const unsigned rate = RateByte(info.gpsRate);
    return rate == 0 ? 1u : rate;
}
