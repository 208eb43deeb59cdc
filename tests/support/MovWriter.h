#pragma once

#include "support/ByteWriter.h"

#include <optional>
#include <string>
#include <vector>

namespace fixtures {

// One MOV box: a leaf with a payload or a container with children.
struct Box {
    std::string type;
    Bytes payload;
    std::vector<Box> children;
    bool largeSize = false;             // write a 64-bit size (size field 1)
    bool toEnd = false;                 // write size 0: the box runs to the end of its parent
    std::optional<std::uint32_t> size;  // write this size field whatever the content

    Box Large() const { Box b = *this; b.largeSize = true; return b; }
    Box ToEnd() const { Box b = *this; b.toEnd = true; return b; }
    Box WithSize(std::uint32_t s) const { Box b = *this; b.size = s; return b; }
};

Box Leaf(const std::string& type, Bytes payload = {});
Box Container(const std::string& type, std::vector<Box> children);

Box Ftyp();
Box Mdhd(std::uint32_t timescale, std::uint64_t duration, int version = 0);
Box SampleEntry(const std::string& codec, std::uint16_t width, std::uint16_t height);
Box Stsd(std::vector<Box> entries);
// trak/mdia/{mdhd, minf/stbl/stsd/<codec>} of one video track.
Box VideoTrak(std::uint32_t timescale, std::uint64_t duration, std::uint16_t width, std::uint16_t height,
              const std::string& codec = "avc1");
Box Moov(std::vector<Box> children);
Box Mdat(std::size_t size);

Box GpsBox(const Bytes& payload);      // "gps0"
Box GSensorBox(const Bytes& payload);  // "gsen"
Box GpsRateBox(std::uint8_t perSecond);      // "gpsa"
Box GSensorRateBox(std::uint8_t perSecond);  // "gsea"
Box DateBox(const std::string& text);  // "IDIT"

Bytes MovBytes(const std::vector<Box>& boxes);

// A minute of 1920 x 1080 with nothing else: the usual starting point.
std::vector<Box> PlainMov();

} // namespace fixtures
