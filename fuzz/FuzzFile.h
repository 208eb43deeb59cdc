#pragma once

#include "media/VideoFileInfo.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <unistd.h>

// The parsers read files, so each input is written to one scratch file that
// lives as long as the fuzzing process.
inline const std::string& WriteFuzzInput(const std::uint8_t* data, std::size_t size, const char* name)
{
    static const std::string path = [name] {
        char folder[] = "/tmp/tavrel-fuzz-XXXXXX";
        if (!::mkdtemp(folder))
            throw std::runtime_error("no scratch folder");
        return std::string(folder) + "/" + name;
    }();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw std::runtime_error("cannot write the scratch file");
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    return path;
}

// Parses one input and checks the parser's promises: a success reports a
// usable recording of exactly this file, a failure leaves the record alone.
template <class Parser>
int FuzzOneParse(const std::uint8_t* data, std::size_t size, const char* name)
{
    const std::string& path = WriteFuzzInput(data, size, name);
    VideoFileInfo info;
    Parser parser;
    parser.SetInfoTarget(&info);
    const int result = parser.Parse(path);
    if (result == 0 && (info.durationMs == 0 || info.width == 0 || info.height == 0 || info.fileSize != size))
        std::abort();
    if (result != 0 && !(info == VideoFileInfo{}))
        std::abort();
    return 0;
}
