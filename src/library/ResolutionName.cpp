#include "library/ResolutionName.h"

#include <array>

namespace {

struct ResolutionEntry {
    unsigned width;
    unsigned height;
    const char* name;
};

constexpr std::array<ResolutionEntry, 12> kResolutions = {{
    {2048, 1600, "QXGA"},
    {2048, 1536, "QXGA"},
    {1920, 1080, "FHD"},
    {1600, 1200, "UXGA"},
    {1280, 1024, "SXGA"},
    {1280, 720, "HD"},
    {1152, 870, "MAC"},
    {1024, 768, "XGA"},
    {800, 600, "SVGA"},
    {720, 480, "480P"},
    {640, 480, "VGA"},
    {320, 240, "CIF"},
}};

} // namespace

std::string ResolutionName(unsigned width, unsigned height)
{
    for (const ResolutionEntry& entry : kResolutions) {
        if (entry.width == width && entry.height == height)
            return entry.name;
    }
    if (width == 0 || height == 0)
        return {};
    return std::to_string(width) + 'x' + std::to_string(height);
}
