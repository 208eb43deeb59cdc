#pragma once

#include "support/AviWriter.h"
#include "support/MovWriter.h"
#include "support/TelemetryBytes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace fixtures {

// A camera recording described by what the library reads from it.
struct Recording {
    std::string date = "2012-05-06 10:00:00";  // the camera's clock; empty for none
    std::uint32_t durationMs = 60000;
    std::uint16_t width = 1920;
    std::uint16_t height = 1080;
    std::vector<GpsSample> gps = {};
    std::uint8_t gpsRate = 0;
    std::vector<GSensorSample> gsensor = {};
    std::uint8_t gsensorRate = 0;
};

// "2012-05-06 hh:mm:ss"
inline std::string At(int hour, int minute, int second)
{
    char text[32];
    std::snprintf(text, sizeof text, "2012-05-06 %02d:%02d:%02d", hour, minute, second);
    return text;
}

inline Bytes MovRecording(const Recording& r)
{
    std::vector<Box> boxes = {Ftyp()};
    if (!r.date.empty())
        boxes.push_back(DateBox(r.date));
    if (r.gsensorRate)
        boxes.push_back(GSensorRateBox(r.gsensorRate));
    if (!r.gsensor.empty())
        boxes.push_back(GSensorBox(GSensorPayload(r.gsensor)));
    if (r.gpsRate)
        boxes.push_back(GpsRateBox(r.gpsRate));
    if (!r.gps.empty())
        boxes.push_back(GpsBox(GpsPayload(r.gps)));
    boxes.push_back(Moov({VideoTrak(1000, r.durationMs, r.width, r.height)}));
    boxes.push_back(Mdat(64));
    return MovBytes(boxes);
}

inline Bytes AviRecording(const Recording& r)
{
    // 40 ms frames, so whole frames give whole milliseconds.
    std::vector<Chunk> chunks = {Hdrl(40000, r.durationMs / 40, r.width, r.height)};
    if (!r.date.empty())
        chunks.push_back(AviDate(r.date));
    if (r.gpsRate)
        chunks.push_back(AviGpsRate(r.gpsRate));
    if (!r.gps.empty())
        chunks.push_back(AviGps(GpsPayload(r.gps)));
    chunks.push_back(Movi(64));
    chunks.push_back(Idx1());
    return AviBytes(chunks);
}

// Writes the recording as MOV, or as AVI when the name ends with ".AVI".
inline void WriteRecording(const std::string& path, const Recording& r = {})
{
    WriteFile(path, path.ends_with(".AVI") ? AviRecording(r) : MovRecording(r));
}

} // namespace fixtures
