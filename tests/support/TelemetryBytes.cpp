#include "support/TelemetryBytes.h"

#include <fstream>
#include <stdexcept>

namespace fixtures {

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

GpsSample Fix(double latitude, double longitude, int speed, int heading)
{
    GpsSample s;
    s.latitude = latitude;
    s.longitude = longitude;
    s.speed = static_cast<std::uint16_t>(speed);
    s.heading = static_cast<std::uint8_t>(heading / 2);
    s.flags = GpsSample::kFixFlag;
    return s;
}

GpsSample Dated(GpsSample s, int year, int month, int day, int hour, int minute, int second)
{
    s.year = static_cast<std::uint8_t>(year - 2000);
    s.month = static_cast<std::uint8_t>(month);
    s.day = static_cast<std::uint8_t>(day);
    s.hour = static_cast<std::uint8_t>(hour);
    s.minute = static_cast<std::uint8_t>(minute);
    s.second = static_cast<std::uint8_t>(second);
    return s;
}

Bytes GpsPayload(const std::vector<GpsSample>& records)
{
    Bytes out(records.size() * GpsSample::kSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].Encode(out.data() + i * GpsSample::kSize);
    return out;
}

Bytes GSensorPayload(const std::vector<GSensorSample>& samples)
{
    Bytes out;
    for (const GSensorSample& s : samples) {
        out.push_back(static_cast<std::uint8_t>(s.x));
        out.push_back(static_cast<std::uint8_t>(s.y));
        out.push_back(static_cast<std::uint8_t>(s.z));
    }
    return out;
}

Bytes RateWord(std::uint8_t perSecond) { return {perSecond, 0, 0, 0}; }

} // namespace fixtures
