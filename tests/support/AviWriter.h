#pragma once

#include "support/ByteWriter.h"

#include <optional>
#include <string>
#include <vector>

namespace fixtures {

// One RIFF chunk: a leaf with a payload, or a "LIST" with a type and children.
struct Chunk {
    std::string id;
    std::string listType;  // set for a "LIST"
    Bytes payload;
    std::vector<Chunk> children;
    std::optional<std::uint32_t> size;  // write this size field whatever the content

    Chunk WithSize(std::uint32_t s) const { Chunk c = *this; c.size = s; return c; }
};

Chunk RiffLeaf(const std::string& id, Bytes payload = {});
Chunk List(const std::string& type, std::vector<Chunk> children);

Chunk Avih(std::uint32_t microSecondsPerFrame, std::uint32_t totalFrames);
Chunk Strh(const std::string& fccType);
Chunk VideoStrf(std::int32_t width, std::int32_t height);
Chunk AudioStrf();
// hdrl with avih and one video stream list (and an audio one when asked).
Chunk Hdrl(std::uint32_t microSecondsPerFrame, std::uint32_t totalFrames, std::int32_t width, std::int32_t height,
           bool withAudio = true);
Chunk Movi(std::size_t dataBytes);
Chunk Idx1();

Chunk AviGps(const Bytes& payload);       // "gps0"
Chunk AviGSensor(const Bytes& payload);   // "gsen"
Chunk AviGpsRate(std::uint8_t perSecond);      // "gpsa"
Chunk AviGSensorRate(std::uint8_t perSecond);  // "gsea"
Chunk AviDate(const std::string& text);   // "IDIT"

// "RIFF" size "AVI " followed by the chunks.
Bytes AviBytes(const std::vector<Chunk>& chunks);

// A minute (1800 frames at 33333 us) of 1280 x 720 with nothing else.
std::vector<Chunk> PlainAvi();

} // namespace fixtures
