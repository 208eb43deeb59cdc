#include "media/CZel3gpParser.h"

#include "media/BoxHeader.h"
#include "media/GpsSample.h"
#include "media/GSensorSample.h"
#include "media/LittleEndian.h"

#include <algorithm>

namespace {

// Descends through the first box of each type in `path`, starting inside `parent`.
template <std::size_t N>
bool FindBoxPath(RecordingReader& file, const BoxHeader& parent, const char (&path)[N][5], BoxHeader& found)
{
    BoxHeader level = parent;
    for (const auto& type : path) {
        if (!FindChildBox(file, level.payloadStart, level.payloadSize, type, level))
            return false;
    }
    found = level;
    return true;
}

} // namespace

void CZel3gpParser::ReadMediaDuration(const BoxHeader& moov)
{
    static constexpr char kPath[][5] = {"trak", "mdia", "mdhd"};
    BoxHeader mdhd;
    if (!FindBoxPath(file, moov, kPath, mdhd))
        return;
    std::uint8_t b[32] = {};
    const std::size_t got = file.ReadAt(mdhd.payloadStart, b, static_cast<std::size_t>(std::min<std::uint64_t>(mdhd.payloadSize, sizeof b)));
    std::uint64_t timescale = 0;
    std::uint64_t duration = 0;
    // Version 1 headers carry 64-bit times; a short header gives no duration.
    if (b[0] == 1 && got >= 32) {
        timescale = ReadU32BE(b + 20);
        duration = ReadU64BE(b + 24);
    } else if (b[0] == 0 && got >= 20) {
        timescale = ReadU32BE(b + 12);
        duration = ReadU32BE(b + 16);
    }
    if (timescale == 0)
        return;
    // Split so that a 64-bit duration cannot overflow before the division.
    const std::uint64_t ms = duration / timescale * 1000 + duration % timescale * 1000 / timescale;
    durationMs = static_cast<std::uint32_t>(ms);
    durationSeconds = durationMs / 1000;
}

void CZel3gpParser::ReadPictureSize(const BoxHeader& moov)
{
    static constexpr char kPath[][5] = {"trak", "mdia", "minf", "stbl", "stsd"};
    BoxHeader stsd;
    std::uint8_t head[8];
    if (!FindBoxPath(file, moov, kPath, stsd) || stsd.payloadSize < sizeof head ||
        !file.ReadExact(stsd.payloadStart, head, sizeof head) || ReadU32BE(head + 4) == 0)
        return;
    BoxHeader avc1;
    if (!FindChildBox(file, stsd.payloadStart + 8, stsd.payloadSize - 8, "avc1", avc1))
        return;
    std::uint8_t entry[28];
    if (avc1.payloadSize < sizeof entry || !file.ReadExact(avc1.payloadStart, entry, sizeof entry))
        return;
    width = ReadU16BE(entry + 24);
    height = ReadU16BE(entry + 26);
}

int CZel3gpParser::Parse(const std::string& path)
{
    ClearResults();
    if (!OpenFile(path))
        return -1;
    BoxHeader box;
    if (!ReadBoxHeader(file, 0, fileLength, box) || !box.Is("ftyp"))
        return Finish(false);

    for (std::uint64_t p = box.End(); p < fileLength && ReadBoxHeader(file, p, fileLength, box);) {
        p = box.End();
        if (box.Is("IDIT")) {
            const DateOutcome date = ReadDateText(box.payloadStart, box.payloadSize);
            if (date == DateOutcome::Unconvertible)
                return Finish(false);
            dateFound = date == DateOutcome::Valid;
        } else if (box.Is("gps0")) {
            gpsOffset = box.payloadStart;
            gpsSize = ClampToU32(box.payloadSize);
            if (!dateFound && !TakeStartTimeFromGps(box.payloadStart, box.payloadSize))
                return Finish(false);
            // The camera writes the next box right after the last whole record.
            p = box.payloadStart + box.payloadSize / GpsSample::kSize * GpsSample::kSize;
        } else if (box.Is("gsen")) {
            gsensorOffset = box.payloadStart;
            gsensorSize = ClampToU32(box.payloadSize);
            p = box.payloadStart + box.payloadSize / GSensorSample::kSize * GSensorSample::kSize;
        } else if (box.Is("gpsa")) {
            gpsRate = ReadRateWord(box.payloadStart, box.payloadSize);
        } else if (box.Is("gsea")) {
            gsensorInfo = ReadRateWord(box.payloadStart, box.payloadSize);
        } else if (box.Is("moov")) {
            ReadMediaDuration(box);
            ReadPictureSize(box);
            // Cameras may put their boxes inside "moov": walk its children too.
            p = box.payloadStart;
        }
    }
    return Finish(true);
}
