#include "FuzzFile.h"

#include "media/CZelAviParser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = WriteFuzzInput(data, size, "FILE0001.AVI");
    VideoFileInfo info;
    CZelAviParser parser;
    parser.SetInfoTarget(&info);
    const int result = parser.Parse(path);
    // A successful parse never reports a payload or size the file cannot hold.
    if (result == 0 && (info.durationMs == 0 || info.width == 0 || info.height == 0 || info.fileSize != size))
        std::abort();
    if (result != 0 && !(info == VideoFileInfo{}))
        std::abort();
    return 0;
}
