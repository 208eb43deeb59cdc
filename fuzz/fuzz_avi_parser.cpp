#include "FuzzFile.h"

#include "media/CZelAviParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzOneParse<CZelAviParser>(data, size, "FILE0001.AVI");
}
