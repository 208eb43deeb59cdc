#include "support/MovWriter.h"

#include "support/TelemetryBytes.h"

namespace fixtures {

namespace {

void Serialize(const Box& box, Bytes& out)
{
    Bytes body = box.payload;
    for (const Box& child : box.children)
        Serialize(child, body);
    const std::uint64_t headerSize = box.largeSize ? 16 : 8;
    if (box.size)
        PutBE(out, *box.size, 4);
    else if (box.toEnd)
        PutBE(out, 0, 4);
    else
        PutBE(out, box.largeSize ? 1 : headerSize + body.size(), 4);
    PutText(out, box.type);
    if (box.largeSize)
        PutBE(out, headerSize + body.size(), 8);
    Append(out, body);
}

} // namespace

Box Leaf(const std::string& type, Bytes payload)
{
    Box box;
    box.type = type;
    box.payload = std::move(payload);
    return box;
}

Box Container(const std::string& type, std::vector<Box> children)
{
    Box box;
    box.type = type;
    box.children = std::move(children);
    return box;
}

Box Ftyp()
{
    Bytes p;
    PutText(p, "qt  ");
    PutBE(p, 0x200, 4);
    PutText(p, "qt  ");
    return Leaf("ftyp", p);
}

Box Mdhd(std::uint32_t timescale, std::uint64_t duration, int version)
{
    Bytes p;
    PutBE(p, static_cast<std::uint64_t>(version) << 24, 4);  // version and flags
    const int timeBytes = version == 1 ? 8 : 4;
    PutBE(p, 0, timeBytes);  // creation
    PutBE(p, 0, timeBytes);  // modification
    PutBE(p, timescale, 4);
    PutBE(p, duration, timeBytes);
    PutBE(p, 0, 4);  // language and quality
    return Leaf("mdhd", p);
}

Box SampleEntry(const std::string& codec, std::uint16_t width, std::uint16_t height)
{
    Bytes p(24, 0);
    p[7] = 1;  // data reference index
    PutBE(p, width, 2);
    PutBE(p, height, 2);
    Bytes rest(50, 0);
    Append(p, rest);
    return Leaf(codec, p);
}

Box Stsd(std::vector<Box> entries)
{
    Box stsd = Container("stsd", std::move(entries));
    PutBE(stsd.payload, 0, 4);
    PutBE(stsd.payload, stsd.children.size(), 4);
    return stsd;
}

Box VideoTrak(std::uint32_t timescale, std::uint64_t duration, std::uint16_t width, std::uint16_t height,
              const std::string& codec)
{
    return Container("trak", {Container("mdia", {Mdhd(timescale, duration),
                                                 Container("minf", {Container("stbl", {Stsd({SampleEntry(codec, width, height)})})})})});
}

Box Moov(std::vector<Box> children) { return Container("moov", std::move(children)); }
Box Mdat(std::size_t size) { return Leaf("mdat", Bytes(size, 0)); }

Box GpsBox(const Bytes& payload) { return Leaf("gps0", payload); }
Box GSensorBox(const Bytes& payload) { return Leaf("gsen", payload); }
Box GpsRateBox(std::uint8_t perSecond) { return Leaf("gpsa", RateWord(perSecond)); }
Box GSensorRateBox(std::uint8_t perSecond) { return Leaf("gsea", RateWord(perSecond)); }

Box DateBox(const std::string& text)
{
    Bytes p;
    PutText(p, text);
    return Leaf("IDIT", p);
}

Bytes MovBytes(const std::vector<Box>& boxes)
{
    Bytes out;
    for (const Box& box : boxes)
        Serialize(box, out);
    return out;
}

std::vector<Box> PlainMov() { return {Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080)}), Mdat(64)}; }

} // namespace fixtures
