#include "library/GpxDocument.h"

#include "library/GpsTrack.h"
#include "library/TextFormat.h"
#include "library/TimeText.h"
#include "media/LocalTime.h"

#include <optional>

namespace {

constexpr const char* kIsoUtc = "%Y-%m-%dT%H:%M:%SZ";

// The camera's clock runs in local time: a record's own date is converted
// as local wall-clock time. A record without a date is placed by its
// position in the track after the recording's start, when that is known.
std::optional<std::int64_t> PointTime(const RecordingFile& file, std::size_t index, const GpsSample& s)
{
    if (s.HasValidDate()) {
        if (auto t = LocalTimeToEpoch({2000 + s.year, s.month, s.day, s.hour, s.minute, s.second}))
            return t;
    }
    if (file.info.startTime == 0)
        return std::nullopt;
    return file.info.startTime + static_cast<std::int64_t>(index / GpsRecordsPerSecond(file.info));
}

// GPX bounds latitudes to [-90, 90] and longitudes to [-180, 180); the
// camera's own range test is far looser.
bool FitsGpx(double latitude, double longitude)
{
    return latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude < 180;
}

void AppendPoint(std::string& out, const RecordingFile& file, std::size_t index, const GpsSample& s)
{
    out += "      <trkpt lat=\"";
    AppendFixed(out, s.LatitudeDegrees(), 6);
    out += "\" lon=\"";
    AppendFixed(out, s.LongitudeDegrees(), 6);
    out += "\">\n        <ele>" + std::to_string(s.altitude) + "</ele>\n";
    if (const auto t = PointTime(file, index, s))
        out += "        <time>" + UtcTimeText(*t, kIsoUtc) + "</time>\n";
    out += "        <extensions>\n"
           "          <gpxtpx:TrackPointExtension>\n"
           "            <gpxtpx:speed>";
    AppendFixed(out, s.speed / 3.6, 2);
    // The stored heading counts 2-degree steps up to 510; courses stay below 360.
    out += "</gpxtpx:speed>\n"
           "            <gpxtpx:course>" + std::to_string(s.HeadingDegrees() % 360) + "</gpxtpx:course>\n"
           "          </gpxtpx:TrackPointExtension>\n"
           "        </extensions>\n"
           "      </trkpt>\n";
}

} // namespace

std::string GpxDocument(const RecordingFile& file, std::span<const std::uint8_t> gpsPayload)
{
    const std::string name = XmlText(file.name);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<gpx version=\"1.1\" creator=\"Tavrel\"\n"
                      "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
                      "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\n"
                      "  <metadata>\n"
                      "    <name>" + name + "</name>\n";
    if (file.info.startTime != 0)
        out += "    <time>" + UtcTimeText(file.info.startTime, kIsoUtc) + "</time>\n";
    out += "  </metadata>\n"
           "  <trk>\n"
           "    <name>" + name + "</name>\n"
           "    <trkseg>\n";
    GpsTrack(gpsPayload).ForEachTrackPoint([&](std::size_t index, const GpsSample& s) {
        if (FitsGpx(s.LatitudeDegrees(), s.LongitudeDegrees()))
            AppendPoint(out, file, index, s);
    });
    out += "    </trkseg>\n"
           "  </trk>\n"
           "</gpx>\n";
    return out;
}
