#pragma once

#include "media/CZelVideoParser.h"

// Parser for AVI recordings: little-endian RIFF chunks, with the camera's
// telemetry chunks at the top level or inside the header lists.
class CZelAviParser : public CZelVideoParser {
public:
    int Parse(const std::string& path) override;

private:
    bool ReadId(std::uint64_t& p, char (&id)[4]);
    std::uint32_t ReadSize(std::uint64_t& p);
    // Reads up to `limit` bytes of a `size`-byte payload at p into `out`
    // (zero-filled beyond what was read) and moves p past the bytes read.
    void ReadHead(std::uint64_t& p, std::uint32_t size, std::uint8_t* out, std::size_t limit);
    void ReadMainHeader(std::uint64_t& p);
    void ReadStreamHeader(std::uint64_t& p);
    // Returns false when the date cannot be converted, which fails the file.
    bool ReadChunk(const char (&id)[4], std::uint64_t& p);

    bool truncated = false;
};
