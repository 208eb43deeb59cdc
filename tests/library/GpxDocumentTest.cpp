#include "support/ParseFile.h"
#include "support/TelemetryBytes.h"

#include "library/GpxDocument.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

RecordingFile Recording(std::int64_t startTime = 0)
{
    RecordingFile file;
    file.name = "FILE0001.MOV";
    file.info.startTime = startTime;
    return file;
}

} // namespace

TEST(GpxDocument, OneTrackPointWithElevationTimeSpeedAndCourse)
{
    UseTimeZone("Asia/Taipei");
    GpsSample s = Dated(Fix(2503.5, 12130.0, 36, 400), 2012, 5, 6, 10, 20, 30);
    s.altitude = -12;
    EXPECT_EQ(GpxDocument(Recording(), GpsPayload({s})),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<gpx version=\"1.1\" creator=\"Tavrel\"\n"
              "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
              "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\n"
              "  <metadata>\n"
              "    <name>FILE0001.MOV</name>\n"
              "  </metadata>\n"
              "  <trk>\n"
              "    <name>FILE0001.MOV</name>\n"
              "    <trkseg>\n"
              "      <trkpt lat=\"25.058333\" lon=\"121.500000\">\n"
              "        <ele>-12</ele>\n"
              "        <time>2012-05-06T02:20:30Z</time>\n"
              "        <extensions>\n"
              "          <gpxtpx:TrackPointExtension>\n"
              "            <gpxtpx:speed>10.00</gpxtpx:speed>\n"
              "            <gpxtpx:course>40</gpxtpx:course>\n"
              "          </gpxtpx:TrackPointExtension>\n"
              "        </extensions>\n"
              "      </trkpt>\n"
              "    </trkseg>\n"
              "  </trk>\n"
              "</gpx>\n");
}

TEST(GpxDocument, TimesAreTheCameraClockInUtc)
{
    const GpsSample s = Dated(Fix(2503.5, 12130.0), 2012, 5, 6, 10, 20, 30);
    const struct {
        const char* zone;
        const char* time;
    } cases[] = {
        {"Asia/Taipei", "<time>2012-05-06T02:20:30Z</time>"},
        {"America/New_York", "<time>2012-05-06T14:20:30Z</time>"},
        {"UTC", "<time>2012-05-06T10:20:30Z</time>"},
    };
    for (const auto& c : cases) {
        UseTimeZone(c.zone);
        EXPECT_NE(GpxDocument(Recording(), GpsPayload({s})).find(c.time), std::string::npos) << c.zone;
    }
}

TEST(GpxDocument, PointsAndTheirTimesWithoutADate)
{
    UseTimeZone("UTC");
    // 2012-05-06 10:00:00 UTC
    const std::int64_t start = 1336298400;
    std::vector<GpsSample> gps = {Fix(2503.5, 12130.0), Fix(9500.0, 12130.0), Fix(2503.5, 12130.0),
                                  Fix(2503.5, 12130.0)};
    gps[3].flags = 0;
    const std::string withStart = GpxDocument(Recording(start), GpsPayload(gps));
    // Latitude 95 degrees passes the camera's test but not GPX's.
    EXPECT_EQ(withStart.find("lat=\"95"), std::string::npos);
    EXPECT_NE(withStart.find("<metadata>\n    <name>FILE0001.MOV</name>\n    <time>2012-05-06T10:00:00Z</time>"),
              std::string::npos);
    EXPECT_NE(withStart.find("<time>2012-05-06T10:00:00Z</time>\n        <extensions>"), std::string::npos);
    EXPECT_NE(withStart.find("<time>2012-05-06T10:00:02Z</time>"), std::string::npos);
    EXPECT_EQ(withStart.find("<trkpt", withStart.find("10:00:02Z")), std::string::npos);

    // Neither a date nor a start: the points carry no time.
    const std::string withoutStart = GpxDocument(Recording(), GpsPayload(gps));
    EXPECT_EQ(withoutStart.find("<time>"), std::string::npos);
    EXPECT_NE(withoutStart.find("<trkpt"), std::string::npos);
}
