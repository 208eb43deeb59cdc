#include "media/TelemetryPayload.h"

#include "media/GSensorSample.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ReadPayload(const std::string& path, std::uint64_t offset, std::uint32_t size, std::vector<std::uint8_t>& out)
{
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool inside = ::fstat(fd, &st) == 0 && offset <= static_cast<std::uint64_t>(st.st_size) &&
                        size <= static_cast<std::uint64_t>(st.st_size) - offset;
    if (inside) {
        out.resize(size);
        std::size_t got = 0;
        while (got < size) {
            const ssize_t n = ::pread(fd, out.data() + got, size - got, static_cast<off_t>(offset + got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        if (got < size)
            out.clear();
    }
    ::close(fd);
    return out.size() == size && inside;
}

double GSensorSamplesPerSecond(const VideoFileInfo& info)
{
    if (const std::uint8_t rate = RateByte(info.gsensorInfo); rate != 0)
        return rate;
    if (info.durationMs == 0)
        return 0;
    return static_cast<double>(info.gsensorSize / GSensorSample::kSize) / (info.durationMs / 1000.0);
}
