#include "support/AviWriter.h"
#include "support/ParseFile.h"
#include "support/TelemetryBytes.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

class AviParser : public ::testing::Test {
protected:
    void SetUp() override { UseTimeZone("Asia/Taipei"); }
};

const Bytes kGps = GpsPayload({Dated(Fix(2503.5, 12130.0), 2012, 5, 6, 10, 0, 30), Fix(2503.6, 12130.1)});

} // namespace

TEST_F(AviParser, DurationPictureSizeAndTelemetry)
{
    struct Case {
        const char* what;
        std::vector<Chunk> chunks;
        int result;
        std::uint32_t durationMs;
        std::int64_t durationSeconds;
        std::uint16_t width, height;
        bool gpsFound;
    } cases[] = {
        {"one minute", PlainAvi(), 0, 59999, 59, 1280, 720, false},
        {"two hours do not overflow", {Hdrl(33333, 216000, 1280, 720), Movi(8)}, 0, 7199928, 7199, 1280, 720, false},
        {"top-down picture keeps the low 16 bits", {Hdrl(33333, 1800, 1280, -720), Movi(8)}, 0, 59999, 59, 1280, 64816, false},
        {"camera chunks at the top level",
         {Hdrl(33333, 1800, 1280, 720), Movi(8), Idx1(), AviGpsRate(10), AviGps(kGps), AviGSensor(Bytes(9, 1))}, 0, 59999, 59, 1280, 720, true},
        {"camera chunks inside the stream list",
         {List("hdrl", {Avih(33333, 1800), List("strl", {Strh("vids"), VideoStrf(640, 480), AviGps(kGps)})}), Movi(8)}, 0, 59999, 59, 640, 480, true},
        {"camera chunks inside INFO are not found", {Hdrl(33333, 1800, 1280, 720), List("INFO", {AviGps(kGps)}), Movi(8)}, 0, 59999, 59, 1280, 720, false},
        {"camera chunks inside movi are not found", {Hdrl(33333, 1800, 1280, 720), List("movi", {AviGps(kGps)})}, 0, 59999, 59, 1280, 720, false},
        {"unknown chunk in hdrl is stepped over",
         {List("hdrl", {RiffLeaf("vprp", Bytes(8, 0)), Avih(33333, 1800), List("strl", {Strh("vids"), VideoStrf(640, 480)})}), Movi(8)}, 0, 59999, 59, 640, 480, false},
        {"a later video stream replaces the size",
         {List("hdrl", {Avih(33333, 1800), List("strl", {Strh("vids"), VideoStrf(640, 480)}), List("strl", {Strh("vids"), VideoStrf(320, 240)})}), Movi(8)}, 0, 59999, 59, 320, 240, false},
        {"no video stream", {List("hdrl", {Avih(33333, 1800), List("strl", {Strh("auds"), AudioStrf()})}), Movi(8)}, -1, 0, 0, 0, 0, false},
        {"no main header", {List("hdrl", {List("strl", {Strh("vids"), VideoStrf(640, 480)})}), Movi(8)}, -1, 0, 0, 0, 0, false},
        {"zero frames", {Hdrl(33333, 0, 1280, 720), Movi(8)}, -1, 0, 0, 0, 0, false},
        {"short stream format", {List("hdrl", {Avih(33333, 1800), List("strl", {Strh("vids"), RiffLeaf("strf", Bytes(6, 1))})}), Movi(8)}, -1, 0, 0, 0, 0, false},
        {"movi list past the end of the file", {Hdrl(33333, 1800, 1280, 720), Movi(8).WithSize(1 << 20)}, -1, 0, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ParseOutcome out = ParseBytes(AviBytes(c.chunks), "FILE0001.AVI");
        EXPECT_EQ(out.result, c.result);
        EXPECT_EQ(out.info.durationMs, c.durationMs);
        EXPECT_EQ(out.info.durationSeconds, c.durationSeconds);
        EXPECT_EQ(out.info.width, c.width);
        EXPECT_EQ(out.info.height, c.height);
        EXPECT_EQ(out.info.gpsSize != 0, c.gpsFound);
    }
}

TEST_F(AviParser, StartTimeAndRates)
{
    const Bytes bytes = AviBytes({Hdrl(33333, 1800, 1280, 720), AviGpsRate(10), AviGSensorRate(5), AviGps(kGps),
                                  Movi(8), Idx1()});
    const ParseOutcome out = ParseBytes(bytes, "FILE0001.AVI");
    ASSERT_EQ(out.result, 0);
    EXPECT_EQ(out.info.startTime, 1336269630);
    EXPECT_EQ(RateByte(out.info.gpsRate), 10);
    EXPECT_EQ(RateByte(out.info.gsensorInfo), 5);
    EXPECT_EQ(out.info.gpsSize, 64u);

    const ParseOutcome idit = ParseBytes(AviBytes({AviDate("2012-05-06 10:20:30" + std::string(80, 'x')), Hdrl(33333, 1800, 1280, 720), Movi(8)}), "FILE0002.AVI");
    EXPECT_EQ(idit.result, 0);
    EXPECT_EQ(idit.info.startTime, 1336270830);
    EXPECT_EQ(ParseBytes(AviBytes({AviDate("1950-05-06 10:20:30"), Hdrl(33333, 1800, 1280, 720), Movi(8)}), "F.AVI").result, -1);
}

TEST_F(AviParser, NotRiffAndTheNameRule)
{
    EXPECT_EQ(ParseBytes({'R', 'I', 'F'}, "FILE0001.AVI").result, -1);
    // Only the exact upper-case extension selects the AVI parser; the MOV
    // parser then rejects the RIFF file.
    EXPECT_EQ(ParseBytes(AviBytes(PlainAvi()), "file0001.avi").result, -1);
}
