#pragma once

#include <cstdint>

// A run of recordings made without a break.
struct RecordingGroup {
    std::int32_t index = 0;
    std::int32_t firstFile = 0;
    std::int32_t fileCount = 0;
    std::int64_t totalDurationMs = 0;
    std::int64_t totalSize = 0;
    std::uint8_t lockFlags = 0;  // OR of the members' lock flags
    std::int32_t checked = 0;    // refreshed from the group list before a file operation
};
