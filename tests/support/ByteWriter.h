#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fixtures {

using Bytes = std::vector<std::uint8_t>;

// Byte `i` (0 = least significant) of `v`; bytes past the eighth are zero padding.
inline std::uint8_t ByteOf(std::uint64_t v, int i) { return i < 8 ? static_cast<std::uint8_t>(v >> (8 * i)) : 0; }

inline void PutBE(Bytes& out, std::uint64_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(ByteOf(v, i));
}
inline void PutLE(Bytes& out, std::uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(ByteOf(v, i));
}
inline void PutText(Bytes& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }
inline void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// Writes `bytes` to `path`, replacing it; throws on failure.
void WriteFile(const std::string& path, const Bytes& bytes);

} // namespace fixtures
