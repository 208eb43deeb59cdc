#include "CameraTelemetry.h"

#include "media/LittleEndian.h"
#include "support/AviWriter.h"
#include "support/MovWriter.h"
#include "support/TelemetryBytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>

namespace {

using fixtures::Bytes;

bool IsCameraElement(const std::string& type)
{
    return type == "gps0" || type == "gsen" || type == "gpsa" || type == "gsea" || type == "IDIT";
}

// The four characters at `p`, which the caller has checked lie in the file.
std::string TypeAt(const Bytes& file, std::size_t p)
{
    return std::string(reinterpret_cast<const char*>(file.data() + p), 4);
}

Bytes ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open it");
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw std::runtime_error("cannot read it");
    return bytes;
}

// Every top-level box must have a size that ends inside the file; a box that
// runs "to the end of the file" would swallow what is appended after it.
void CheckTopLevelBoxes(const Bytes& file)
{
    for (std::size_t p = 0; p < file.size();) {
        if (file.size() - p < 8)
            throw std::runtime_error("it has stray bytes after its last box");
        const std::string type = TypeAt(file, p + 4);
        std::uint64_t size = ReadU32BE(&file[p]);
        if (size == 1 && file.size() - p >= 16)
            size = ReadU64BE(&file[p + 8]);
        else if (size == 0)
            throw std::runtime_error("its box \"" + type + "\" runs to the end of the file");
        if (size < 8 || size > file.size() - p)
            throw std::runtime_error("its box \"" + type + "\" does not fit in the file");
        if (IsCameraElement(type))
            throw std::runtime_error("it already carries the camera's \"" + type + "\" box");
        p += static_cast<std::size_t>(size);
    }
}

void AddToMov(const std::string& path, const Bytes& file, const CameraTelemetry& t)
{
    CheckTopLevelBoxes(file);
    std::vector<fixtures::Box> boxes;
    if (!t.dateText.empty())
        boxes.push_back(fixtures::DateBox(t.dateText));
    // The rate goes before the records: a reader that dates the recording from
    // a later GPS record needs it to count back to the start.
    boxes.push_back(fixtures::GpsRateBox(t.gpsPerSecond));
    boxes.push_back(fixtures::GpsBox(fixtures::GpsPayload(t.gps)));
    boxes.push_back(fixtures::GSensorRateBox(t.gsensorPerSecond));
    boxes.push_back(fixtures::GSensorBox(fixtures::GSensorPayload(t.gsensor)));
    const Bytes added = fixtures::MovBytes(boxes);

    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(reinterpret_cast<const char*>(added.data()), static_cast<std::streamsize>(added.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot append to it");
}

// The chunks as they sit inside the RIFF. Standard readers pad every odd-sized
// chunk to an even length while the camera's own reader does not, so every
// chunk here is kept even-sized and both read the same layout.
Bytes AviCameraChunks(const CameraTelemetry& t)
{
    std::vector<fixtures::Chunk> chunks;
    if (!t.dateText.empty()) {
        Bytes text(t.dateText.begin(), t.dateText.end());
        if (text.size() % 2 != 0)
            text.push_back(0);  // a C string terminator, which the date scan stops at
        chunks.push_back(fixtures::RiffLeaf("IDIT", text));
    }
    std::vector<GSensorSample> gsensor = t.gsensor;
    if (gsensor.size() % 2 != 0)
        gsensor.pop_back();  // three bytes a sample: an odd count would need a pad byte
    chunks.push_back(fixtures::AviGpsRate(t.gpsPerSecond));
    chunks.push_back(fixtures::AviGps(fixtures::GpsPayload(t.gps)));
    chunks.push_back(fixtures::AviGSensorRate(t.gsensorPerSecond));
    chunks.push_back(fixtures::AviGSensor(fixtures::GSensorPayload(gsensor)));
    const Bytes riff = fixtures::AviBytes(chunks);
    return Bytes(riff.begin() + 12, riff.end());  // without "RIFF", its size and "AVI "
}

void AddToAvi(const std::string& path, Bytes file, const CameraTelemetry& t)
{
    if (file.size() < 12 || TypeAt(file, 8) != "AVI ")
        throw std::runtime_error("it is a RIFF file but not an AVI");
    const std::uint32_t riffSize = ReadU32LE(&file[4]);
    const std::size_t riffEnd = 8 + std::size_t{riffSize};
    if (riffEnd > file.size())
        throw std::runtime_error("it is cut short");
    // OpenDML files continue in further RIFFs that absolute index offsets
    // point into; inserting bytes before them would break those offsets.
    if (file.size() - riffEnd >= 4 && TypeAt(file, riffEnd) == "RIFF")
        throw std::runtime_error("it has more than one RIFF (OpenDML), which is not supported");

    // The camera puts its chunks after the "movi" list and before the index.
    // The index counts from "movi", so it stays valid.
    std::size_t insertAt = riffEnd;
    for (std::size_t p = 12; riffEnd - p >= 8;) {
        const std::string id = TypeAt(file, p);
        const std::uint32_t size = ReadU32LE(&file[p + 4]);
        if (IsCameraElement(id))
            throw std::runtime_error("it already carries the camera's \"" + id + "\" chunk");
        if (id == "idx1" && insertAt == riffEnd)
            insertAt = p;
        p += 8 + std::size_t{size} + (size & 1);
        if (p > riffEnd)
            break;
    }

    const Bytes added = AviCameraChunks(t);
    if (std::uint64_t{riffSize} + added.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::runtime_error("it would grow beyond 4 GB");
    file.insert(file.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(), added.end());
    WriteU32LE(&file[4], static_cast<std::uint32_t>(riffSize + added.size()));

    // Written beside it and renamed over it, so that a failure never leaves
    // half a recording behind.
    const std::string temporary = path + ".telemetry";
    fixtures::WriteFile(temporary, file);
    std::error_code ec;
    std::filesystem::permissions(temporary, std::filesystem::status(path).permissions(), ec);
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary);
        throw std::runtime_error("cannot replace it: " + ec.message());
    }
}

} // namespace

void AddCameraTelemetry(const std::string& path, const CameraTelemetry& telemetry)
{
    Bytes file = ReadWholeFile(path);
    if (file.size() >= 8 && TypeAt(file, 0) == "RIFF")
        AddToAvi(path, std::move(file), telemetry);
    else if (file.size() >= 8 && TypeAt(file, 4) == "ftyp")
        AddToMov(path, file, telemetry);
    else
        throw std::runtime_error("it is neither a MOV (first box \"ftyp\") nor an AVI (RIFF) file");
}
