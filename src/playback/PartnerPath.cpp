#include "playback/PartnerPath.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr char kSeparator = '/';
// Cards seen with doubled separators in their paths still hold their
// partners; longer runs are not taken for one separator.
constexpr std::size_t kMostSeparatorsInARun = 3;

bool IsFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Turns the last character of the folder that holds the file into 'R'.
bool MarkParentFolder(std::string& path)
{
    const std::size_t lastSeparator = path.rfind(kSeparator);
    if (lastSeparator == std::string::npos)
        return false;
    std::size_t run = 0;
    for (std::size_t i = lastSeparator + 1; i-- > 0;) {
        if (path[i] != kSeparator) {
            path[i] = 'R';
            return true;
        }
        if (++run > kMostSeparatorsInARun)
            return false;
    }
    return false;
}

} // namespace

std::string PartnerPath(const std::string& path)
{
    std::string partner = path;
    const std::size_t dot = partner.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return {};
    partner[dot - 1] = 'R';
    if (IsFile(partner))
        return partner;
    if (MarkParentFolder(partner) && IsFile(partner))
        return partner;
    return {};
}
