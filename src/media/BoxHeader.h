#pragma once

#include <cstdint>
#include <cstring>

class RecordingReader;

// One MOV/3GP box as found in the file.
struct BoxHeader {
    char type[4] = {};
    std::uint64_t start = 0;         // position of the size field
    std::uint64_t payloadStart = 0;  // position after the 8 or 16 header bytes
    std::uint64_t payloadSize = 0;

    bool Is(const char (&t)[5]) const { return std::memcmp(type, t, 4) == 0; }
    // First byte after the box; saturates instead of wrapping on hostile sizes.
    std::uint64_t End() const
    {
        return payloadSize > UINT64_MAX - payloadStart ? UINT64_MAX : payloadStart + payloadSize;
    }
};

// Reads the box header at `pos` inside a parent that ends at `parentEnd`.
// Size 0 extends the box to the parent's end and size 1 takes the 64-bit size
// that follows. False for a header that cannot be read or a size below its
// own header: such a box ends the walk of its level.
bool ReadBoxHeader(RecordingReader& file, std::uint64_t pos, std::uint64_t parentEnd, BoxHeader& box);

// Finds the first child of `type` in a payload of `size` bytes at `start`.
// A child without payload counts as absent.
bool FindChildBox(RecordingReader& file, std::uint64_t start, std::uint64_t size, const char (&type)[5],
                  BoxHeader& found);
