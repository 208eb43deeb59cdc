#include "media/CZelAviParser.h"

#include "media/GSensorSample.h"
#include "media/GpsSample.h"
#include "media/LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace {

bool IdIs(const char (&id)[4], const char (&name)[5]) { return std::memcmp(id, name, 4) == 0; }

} // namespace

bool CZelAviParser::ReadId(std::uint64_t& p, char (&id)[4])
{
    if (!file.ReadExact(p, id, sizeof id))
        return false;
    p += sizeof id;
    return true;
}

std::uint32_t CZelAviParser::ReadSize(std::uint64_t& p)
{
    std::uint8_t b[4] = {};
    file.ReadAt(p, b, sizeof b);
    p += sizeof b;
    return ReadU32LE(b);
}

void CZelAviParser::ReadHead(std::uint64_t& p, std::uint32_t size, std::uint8_t* out, std::size_t limit)
{
    const std::size_t want = std::min<std::size_t>(size, limit);
    std::memset(out, 0, limit);
    file.ReadAt(p, out, want);
    p += want;
}

void CZelAviParser::ReadMainHeader(std::uint64_t& p)
{
    std::uint8_t avih[56];
    ReadHead(p, ReadSize(p), avih, sizeof avih);
    const std::uint64_t product = std::uint64_t{ReadU32LE(avih)} * ReadU32LE(avih + 16);
    durationMs = static_cast<std::uint32_t>(product / 1000);
    durationSeconds = durationMs / 1000;
}

void CZelAviParser::ReadStreamHeader(std::uint64_t& p)
{
    std::uint8_t strh[64];
    ReadHead(p, ReadSize(p), strh, sizeof strh);
    const bool video = std::memcmp(strh, "vids", 4) == 0;
    const bool audio = std::memcmp(strh, "auds", 4) == 0;
    char next[4];
    if ((!video && !audio) || !ReadId(p, next) || !IdIs(next, "strf"))
        return;
    const std::uint32_t size = ReadSize(p);
    if (audio) {
        p += size;
        return;
    }
    // A later video stream replaces the size of an earlier one; only the low
    // 16 bits count, so a top-down picture's negative height keeps its bits.
    std::uint8_t strf[40];
    ReadHead(p, size, strf, sizeof strf);
    width = ReadU16LE(strf + 4);
    height = ReadU16LE(strf + 8);
}

bool CZelAviParser::ReadChunk(const char (&id)[4], std::uint64_t& p)
{
    if (IdIs(id, "LIST")) {
        const std::uint32_t size = ReadSize(p);
        const std::uint64_t end = p + size;
        char type[4] = {};
        ReadId(p, type);
        if (IdIs(type, "movi")) {
            truncated = truncated || end > fileLength;
            p = end;
        } else if (!IdIs(type, "hdrl") && !IdIs(type, "strl") && !IdIs(type, "avih")) {
            p = end;
        }
    } else if (IdIs(id, "avih")) {
        ReadMainHeader(p);
    } else if (IdIs(id, "strh")) {
        ReadStreamHeader(p);
    } else if (IdIs(id, "idx1") || IdIs(id, "JUNK") || IdIs(id, "indx")) {
        p += ReadSize(p);
    } else if (IdIs(id, "gps0")) {
        const std::uint32_t size = ReadSize(p);
        gpsOffset = p;
        gpsSize = size;
        if (!dateFound && !TakeStartTimeFromGps(p, size))
            return false;
        p += size / GpsSample::kSize * GpsSample::kSize;
    } else if (IdIs(id, "gsen")) {
        const std::uint32_t size = ReadSize(p);
        gsensorOffset = p;
        gsensorSize = size;
        p += size / GSensorSample::kSize * GSensorSample::kSize;
    } else if (IdIs(id, "gpsa")) {
        const std::uint32_t size = ReadSize(p);
        gpsRate = ReadRateWord(p, size);
        p += size;
    } else if (IdIs(id, "gsea")) {
        const std::uint32_t size = ReadSize(p);
        gsensorInfo = ReadRateWord(p, size);
        p += size;
    } else if (IdIs(id, "IDIT")) {
        const std::uint32_t size = ReadSize(p);
        const DateOutcome date = ReadDateText(p, size);
        if (date == DateOutcome::Unconvertible)
            return false;
        dateFound = date == DateOutcome::Valid;
        p += size;
    }
    // Anything else (the form type, a stray chunk) is stepped over four
    // bytes at a time, the way the camera's own reader resynchronises.
    return true;
}

int CZelAviParser::Parse(const std::string& path)
{
    ClearResults();
    truncated = false;
    if (!OpenFile(path))
        return -1;
    char id[4];
    std::uint64_t p = 0;
    if (!ReadId(p, id) || !IdIs(id, "RIFF"))
        return Finish(false);
    p = 8;
    while (p < fileLength && ReadId(p, id)) {
        if (!ReadChunk(id, p))
            return Finish(false);
    }
    return Finish(!truncated);
}
