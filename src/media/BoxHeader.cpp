#include "media/BoxHeader.h"

#include "media/LittleEndian.h"
#include "media/RecordingReader.h"

bool ReadBoxHeader(RecordingReader& file, std::uint64_t pos, std::uint64_t parentEnd, BoxHeader& box)
{
    std::uint8_t header[16];
    if (pos >= parentEnd || !file.ReadExact(pos, header, 8))
        return false;
    std::uint64_t size = ReadU32BE(header);
    std::uint64_t headerSize = 8;
    if (size == 1) {
        if (!file.ReadExact(pos + 8, header + 8, 8))
            return false;
        size = ReadU64BE(header + 8);
        headerSize = 16;
    } else if (size == 0) {
        size = parentEnd - pos;
    }
    if (size < headerSize)
        return false;
    std::memcpy(box.type, header + 4, 4);
    box.start = pos;
    box.payloadStart = pos + headerSize;
    box.payloadSize = size - headerSize;
    return true;
}

bool FindChildBox(RecordingReader& file, std::uint64_t start, std::uint64_t size, const char (&type)[5],
                  BoxHeader& found)
{
    const std::uint64_t end = size > UINT64_MAX - start ? UINT64_MAX : start + size;
    BoxHeader box;
    for (std::uint64_t pos = start; pos < end && ReadBoxHeader(file, pos, end, box); pos = box.End()) {
        if (box.Is(type)) {
            found = box;
            return box.payloadSize != 0;
        }
    }
    return false;
}
