#include "support/AviWriter.h"

#include "support/TelemetryBytes.h"

namespace fixtures {

namespace {

void Serialize(const Chunk& chunk, Bytes& out)
{
    Bytes body;
    if (!chunk.listType.empty())
        PutText(body, chunk.listType);
    Append(body, chunk.payload);
    for (const Chunk& child : chunk.children)
        Serialize(child, body);
    PutText(out, chunk.id);
    PutLE(out, chunk.size ? *chunk.size : body.size(), 4);
    Append(out, body);
}

} // namespace

Chunk RiffLeaf(const std::string& id, Bytes payload)
{
    Chunk chunk;
    chunk.id = id;
    chunk.payload = std::move(payload);
    return chunk;
}

Chunk List(const std::string& type, std::vector<Chunk> children)
{
    Chunk chunk;
    chunk.id = "LIST";
    chunk.listType = type;
    chunk.children = std::move(children);
    return chunk;
}

Chunk Avih(std::uint32_t microSecondsPerFrame, std::uint32_t totalFrames)
{
    Bytes p;
    PutLE(p, microSecondsPerFrame, 4);
    PutLE(p, 0, 12);
    PutLE(p, totalFrames, 4);
    PutLE(p, 0, 36);
    return RiffLeaf("avih", p);
}

Chunk Strh(const std::string& fccType)
{
    Bytes p;
    PutText(p, fccType);
    PutLE(p, 0, 52);
    return RiffLeaf("strh", p);
}

Chunk VideoStrf(std::int32_t width, std::int32_t height)
{
    Bytes p;
    PutLE(p, 40, 4);
    PutLE(p, static_cast<std::uint32_t>(width), 4);
    PutLE(p, static_cast<std::uint32_t>(height), 4);
    PutLE(p, 0, 28);
    return RiffLeaf("strf", p);
}

Chunk AudioStrf() { return RiffLeaf("strf", Bytes(18, 0)); }

Chunk Hdrl(std::uint32_t microSecondsPerFrame, std::uint32_t totalFrames, std::int32_t width, std::int32_t height,
           bool withAudio)
{
    std::vector<Chunk> children = {Avih(microSecondsPerFrame, totalFrames),
                                   List("strl", {Strh("vids"), VideoStrf(width, height)})};
    if (withAudio)
        children.push_back(List("strl", {Strh("auds"), AudioStrf()}));
    return List("hdrl", std::move(children));
}

Chunk Movi(std::size_t dataBytes)
{
    Chunk movi = List("movi", {});
    PutText(movi.payload, "00dc");
    PutLE(movi.payload, dataBytes, 4);
    movi.payload.resize(movi.payload.size() + dataBytes, 0);
    return movi;
}

Chunk Idx1() { return RiffLeaf("idx1", Bytes(16, 0)); }

Chunk AviGps(const Bytes& payload) { return RiffLeaf("gps0", payload); }
Chunk AviGSensor(const Bytes& payload) { return RiffLeaf("gsen", payload); }
Chunk AviGpsRate(std::uint8_t perSecond) { return RiffLeaf("gpsa", RateWord(perSecond)); }
Chunk AviGSensorRate(std::uint8_t perSecond) { return RiffLeaf("gsea", RateWord(perSecond)); }

Chunk AviDate(const std::string& text)
{
    Bytes p;
    PutText(p, text);
    return RiffLeaf("IDIT", p);
}

Bytes AviBytes(const std::vector<Chunk>& chunks)
{
    Bytes body;
    PutText(body, "AVI ");
    for (const Chunk& c : chunks)
        Serialize(c, body);
    Bytes out;
    PutText(out, "RIFF");
    PutLE(out, body.size(), 4);
    Append(out, body);
    return out;
}

std::vector<Chunk> PlainAvi() { return {Hdrl(33333, 1800, 1280, 720), Movi(64), Idx1()}; }

} // namespace fixtures
