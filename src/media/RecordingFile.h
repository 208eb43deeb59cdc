#pragma once

#include "media/VideoFileInfo.h"

#include <cstdint>
#include <string>

// Lock marks of a recording. Their value 0..3 is also the lock image index.
enum LockFlag : std::uint32_t {
    LOCK_G = 0x1,  // the camera marked the file: fourth name character 'G'
    LOCK_M = 0x2,  // the file is read-only
};

// One recording of the library's file list.
struct RecordingFile {
    std::int32_t groupStart = 0;  // 1 when this recording opens a new group
    std::uint32_t lockFlags = 0;
    std::string name;       // file name as found on disk
    std::string root;       // the scanned folder as given, ending with '/' after a scan
    std::string subfolder;  // folder below root, ending with '/'; empty at the top or for a single file
    VideoFileInfo info;

    // root + '/' + subfolder + '/' + name; a doubled separator is harmless.
    std::string FullPath() const { return root + '/' + subfolder + '/' + name; }
};
