#include "library/ReadOnlyAttribute.h"

#include <sys/stat.h>

std::optional<std::uint32_t> ClearReadOnly(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    const std::uint32_t mode = st.st_mode & 07777;
    if ((mode & S_IWUSR) == 0 && ::chmod(path.c_str(), mode | S_IWUSR) != 0)
        return std::nullopt;
    return mode;
}

bool RestoreMode(const std::string& path, std::uint32_t mode) { return ::chmod(path.c_str(), mode) == 0; }
