#pragma once

#include <cstdint>
#include <cstdio>
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
