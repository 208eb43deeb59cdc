#pragma once

#include <cstdint>
#include <string>

// The status of an open recording, as a parser reports it to its caller.
struct FileStatus {
    std::string fullName;
    std::uint64_t size = 0;
    std::int64_t modifiedTime = 0;  // seconds since 1970
    std::int64_t accessTime = 0;
    std::int64_t changeTime = 0;
    bool readOnly = false;  // the owner may not write: the camera's manual lock
};
