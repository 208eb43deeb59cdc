#include "media/RecordingReader.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RecordingReader::~RecordingReader() { Close(); }

bool RecordingReader::Open(const std::string& path)
{
    Close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    length_ = static_cast<std::uint64_t>(st.st_size);
    return true;
}

void RecordingReader::Close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    window_.clear();
    windowOffset_ = 0;
}

bool RecordingReader::Status(FileStatus& status) const
{
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0)
        return false;
    char resolved[PATH_MAX];
    status.fullName = ::realpath(path_.c_str(), resolved) ? resolved : path_;
    status.size = static_cast<std::uint64_t>(st.st_size);
    status.modifiedTime = st.st_mtime;
    status.accessTime = st.st_atime;
    status.changeTime = st.st_ctime;
    status.readOnly = (st.st_mode & S_IWUSR) == 0;
    return true;
}

bool RecordingReader::FillWindow(std::uint64_t offset)
{
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kWindowSize, length_ - offset));
    window_.resize(want);
    std::size_t got = 0;
    while (got < want) {
        const ssize_t n = ::pread(fd_, window_.data() + got, want - got, static_cast<off_t>(offset + got));
        ++systemReads_;
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytesRead_ += got;
    window_.resize(got);
    windowOffset_ = offset;
    return got > 0;
}

std::size_t RecordingReader::ReadAt(std::uint64_t offset, void* out, std::size_t count)
{
    if (fd_ < 0 || offset >= length_)
        return 0;
    count = static_cast<std::size_t>(std::min<std::uint64_t>(count, length_ - offset));
    auto* dest = static_cast<std::uint8_t*>(out);
    std::size_t done = 0;
    while (done < count) {
        const std::uint64_t at = offset + done;
        const bool inWindow = at >= windowOffset_ && at < windowOffset_ + window_.size();
        if (!inWindow && !FillWindow(at))
            break;
        const std::size_t from = static_cast<std::size_t>(at - windowOffset_);
        const std::size_t n = std::min(count - done, window_.size() - from);
        std::memcpy(dest + done, window_.data() + from, n);
        done += n;
    }
    return done;
}
