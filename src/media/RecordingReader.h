#pragma once

#include "media/FileStatus.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Read-only access to a recording for the container parsers. Reads are served
// from one small window so that the many tiny header reads of a walk cost few
// system calls, and never reach past the end of the file.
class RecordingReader {
public:
    RecordingReader() = default;
    ~RecordingReader();
    RecordingReader(const RecordingReader&) = delete;
    RecordingReader& operator=(const RecordingReader&) = delete;

    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    std::uint64_t Length() const { return length_; }
    bool Status(FileStatus& status) const;

    // Copies up to `count` bytes at `offset` into `out`; returns how many were
    // available (fewer at the end of the file, 0 on an I/O error).
    std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count);
    // True when all `count` bytes at `offset` could be read.
    bool ReadExact(std::uint64_t offset, void* out, std::size_t count) { return ReadAt(offset, out, count) == count; }

    std::uint64_t SystemReads() const { return systemReads_; }
    std::uint64_t BytesRead() const { return bytesRead_; }

private:
    bool FillWindow(std::uint64_t offset);

    static constexpr std::size_t kWindowSize = 4096;

    int fd_ = -1;
    std::string path_;
    std::uint64_t length_ = 0;
    std::vector<std::uint8_t> window_;
    std::uint64_t windowOffset_ = 0;
    std::uint64_t systemReads_ = 0;
    std::uint64_t bytesRead_ = 0;
};
