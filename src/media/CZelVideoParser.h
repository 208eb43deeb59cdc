#pragma once

#include "media/FileStatus.h"
#include "media/RecordingReader.h"
#include "media/VideoFileInfo.h"

#include <cstdint>
#include <string>

// Reads one recording's container and reports where its telemetry lies. A
// parser serves one file: set the targets, call Parse once, discard it.
class CZelVideoParser {
public:
    virtual ~CZelVideoParser() = default;

    // The record to fill when the parse succeeds; may be null.
    virtual void SetInfoTarget(VideoFileInfo* target) { infoTarget = target; }
    // Returns 0 when the file is a usable recording, -1 otherwise.
    virtual int Parse(const std::string& path);
    // The record to fill with the file's status once it is open; may be null.
    virtual void SetStatusTarget(FileStatus* target) { statusTarget = target; }

    // I/O done by the last Parse, for measurements.
    std::uint64_t SystemReads() const { return file.SystemReads(); }
    std::uint64_t BytesRead() const { return file.BytesRead(); }

protected:
    enum class DateOutcome { Valid, Invalid, Unconvertible };

    // Forgets everything of an earlier parse except the two targets.
    void ClearResults();
    // Opens the file and reports its status; false when it cannot be read.
    bool OpenFile(const std::string& path);
    // Reads the camera's date text (at most 64 bytes at `offset`) into startTime.
    DateOutcome ReadDateText(std::uint64_t offset, std::uint64_t size);
    // Looks through the GPS records at `offset` for the first dated one while
    // no start time is known yet. False when its date cannot be converted.
    bool TakeStartTimeFromGps(std::uint64_t offset, std::uint64_t size);
    // Reads the first four bytes of a rate element as stored.
    std::uint32_t ReadRateWord(std::uint64_t offset, std::uint64_t size);
    // Hands the results to infoTarget when the file is usable; 0 or -1.
    int Finish(bool usable);

    RecordingReader file;
    std::int64_t startTime = 0;
    std::int64_t durationSeconds = 0;
    std::uint32_t durationMs = 0;
    std::uint64_t gpsOffset = 0;
    std::uint32_t gpsSize = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint64_t gsensorOffset = 0;
    std::uint32_t gsensorSize = 0;
    std::uint64_t fileLength = 0;
    std::uint32_t gpsRate = 0;
    std::uint32_t gsensorInfo = 0;
    bool dateFound = false;
    VideoFileInfo* infoTarget = nullptr;
    FileStatus* statusTarget = nullptr;
};

// Payload sizes are 64-bit in the containers but 32-bit in the records.
inline std::uint32_t ClampToU32(std::uint64_t v) { return v > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(v); }
