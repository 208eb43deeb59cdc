#include "FuzzFile.h"

#include "media/CZel3gpParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzOneParse<CZel3gpParser>(data, size, "FILE0001.MOV");
}
