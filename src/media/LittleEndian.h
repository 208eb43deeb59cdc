#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// Byte-order helpers for the file formats: AVI and the camera records are
// little-endian, MOV boxes big-endian. They work on unaligned bytes.

inline std::uint16_t ReadU16LE(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
inline std::uint32_t ReadU32LE(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}
inline std::uint64_t ReadU64LE(const std::uint8_t* p) { return ReadU32LE(p) | std::uint64_t{ReadU32LE(p + 4)} << 32; }
inline double ReadDoubleLE(const std::uint8_t* p) { return std::bit_cast<double>(ReadU64LE(p)); }

inline std::uint16_t ReadU16BE(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }
inline std::uint32_t ReadU32BE(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | std::uint32_t{p[3]};
}
inline std::uint64_t ReadU64BE(const std::uint8_t* p) { return std::uint64_t{ReadU32BE(p)} << 32 | ReadU32BE(p + 4); }

inline void WriteU16LE(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void WriteU32LE(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void WriteU64LE(std::uint8_t* p, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void WriteDoubleLE(std::uint8_t* p, double v) { WriteU64LE(p, std::bit_cast<std::uint64_t>(v)); }
