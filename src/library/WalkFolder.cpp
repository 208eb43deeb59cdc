#include "library/WalkFolder.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kMaxDepth = 40;

struct Entry {
    std::string name;
    FindData data;
    bool isFolder = false;
};

// A FAT card keeps the camera's hidden and system marks as attributes.
bool HasFatHiddenAttribute(int dirFd, const std::string& name)
{
    const int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::uint32_t attributes = 0;
    const bool hidden = ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes) == 0 &&
                        (attributes & (ATTR_HIDDEN | ATTR_SYS)) != 0;
    ::close(fd);
    return hidden;
}

// Lists one folder in name order, already without hidden entries. A folder
// that cannot be read yields nothing, like an exhausted search.
std::vector<Entry> ListFolder(const std::string& path, bool fatVolume)
{
    std::vector<Entry> entries;
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return entries;
    const int dirFd = ::dirfd(dir);
    while (const dirent* d = ::readdir(dir)) {
        const std::string name = d->d_name;
        if (name.empty() || name[0] == '.')
            continue;
        struct stat st {};
        // Links are followed to files only: a link to a folder could loop.
        if (::fstatat(dirFd, d->d_name, &st, 0) != 0)
            continue;
        const bool isFolder = S_ISDIR(st.st_mode);
        if (isFolder && d->d_type == DT_LNK)
            continue;
        if (!isFolder && !S_ISREG(st.st_mode))
            continue;
        if (fatVolume && HasFatHiddenAttribute(dirFd, name))
            continue;
        entries.push_back({name, {static_cast<std::uint64_t>(st.st_size), st.st_mtime, (st.st_mode & S_IWUSR) == 0}, isFolder});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

bool IsFatVolume(const std::string& path)
{
    struct statfs fs {};
    return ::statfs(path.c_str(), &fs) == 0 && fs.f_type == MSDOS_SUPER_MAGIC;
}

struct Level {
    std::vector<Entry> entries;
    std::size_t next = 0;
    std::string relativePath;
};

} // namespace

WalkOutcome WalkFolder(std::string root, const std::function<void(const WalkEntry&)>& visitor)
{
    if (::access(root.c_str(), F_OK) != 0)
        return WalkOutcome::FolderMissing;
    if (root.empty() || root.back() != '/')
        root += '/';
    const bool fatVolume = IsFatVolume(root);

    std::vector<Level> stack;
    stack.push_back({ListFolder(root, fatVolume), 0, ""});
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next == level.entries.size()) {
            stack.pop_back();
            continue;
        }
        const Entry& entry = level.entries[level.next++];
        visitor({root, level.relativePath, entry.name, entry.data, entry.isFolder});
        if (entry.isFolder && stack.size() < kMaxDepth) {
            std::string relative = level.relativePath + entry.name + '/';
            std::vector<Entry> children = ListFolder(root + relative, fatVolume);
            // `level` may dangle once the stack grows.
            stack.push_back({std::move(children), 0, std::move(relative)});
        }
    }
    return WalkOutcome::Completed;
}
