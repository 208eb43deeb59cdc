#include "library/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A temporary file in the target's folder, removed unless committed.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const std::string& target)
    {
        const std::size_t slash = target.rfind('/');
        const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
        // A short hidden name: a folder scan skips it and it never exceeds
        // the name length limit, whatever the target's name. Created with the
        // usual mode so the user's umask applies as to any new file.
        std::random_device random;
        for (int attempt = 0; attempt < 16 && fd_ == kNeverOpened; ++attempt) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "%08x", random());
            path_ = folder + ".tavrel-" + suffix;
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
    }
    ~CTemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_ && fd_ != kNeverOpened)
            ::unlink(path_.c_str());
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    bool Write(const char* data, std::size_t size)
    {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }

    bool SetMode(std::uint32_t mode) { return ::fchmod(fd_, mode) == 0; }

    // Flushes, closes and renames into place.
    bool Commit(const std::string& target)
    {
        bool ok = ::fsync(fd_) == 0;
        ok = ::close(fd_) == 0 && ok;
        fd_ = kClosed;
        committed_ = ok && ::rename(path_.c_str(), target.c_str()) == 0;
        return committed_;
    }

private:
    static constexpr int kNeverOpened = -1;
    static constexpr int kClosed = -2;

    std::string path_;
    int fd_ = kNeverOpened;
    bool committed_ = false;
};

// Reads the whole of `fd` into `out`, a buffer at a time.
bool CopyContent(int fd, CTemporaryFile& out)
{
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!out.Write(buffer.data(), static_cast<std::size_t>(n)))
            return false;
    }
}

} // namespace

bool WriteFileReplacing(const std::string& path, std::string_view content)
{
    CTemporaryFile file(path);
    return file.IsOpen() && file.Write(content.data(), content.size()) && file.Commit(path);
}

bool CopyFileReplacing(const std::string& source, const std::string& target)
{
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    CTemporaryFile file(target);
    const bool copied = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && file.IsOpen() && CopyContent(fd, file) &&
                        file.SetMode(st.st_mode & 07777) && file.Commit(target);
    ::close(fd);
    return copied;
}
