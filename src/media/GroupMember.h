#pragma once

#include <cstdint>

// One recording's place in its group; one entry per file, in file order.
struct GroupMember {
    std::int32_t group = 0;
    std::int32_t indexInGroup = 0;
    std::int32_t file = 0;
    std::int64_t fileSize = 0;
    std::int32_t durationMs = 0;
};
