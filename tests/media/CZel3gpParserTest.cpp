#include "support/MovWriter.h"
#include "support/ParseFile.h"
#include "support/TelemetryBytes.h"

#include "media/CZel3gpParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace fixtures;

namespace {

class MovParser : public ::testing::Test {
protected:
    void SetUp() override { UseTimeZone("Asia/Taipei"); }
};

// Offset of the payload of the first box of `type` in `bytes`.
std::uint64_t PayloadOffset(const Bytes& bytes, const char* type)
{
    const auto at = std::search(bytes.begin(), bytes.end(), type, type + 4);
    return static_cast<std::uint64_t>(at - bytes.begin()) + 4;
}

const Bytes kTwoRecords = GpsPayload({Fix(2503.5, 12130.0), Fix(2503.6, 12130.1)});

// 2012-05-06 10:20:30 in Taipei (UTC+8).
constexpr std::int64_t kIditTime = 1336270830;

} // namespace

TEST_F(MovParser, ReadsPictureSizeDurationAndTelemetryPlaces)
{
    const Bytes gsen = GSensorPayload({{1, 2, 3}, {-90, 0, 90}});
    const Bytes bytes = MovBytes({Ftyp(), GpsRateBox(10), GpsBox(kTwoRecords), GSensorRateBox(25), GSensorBox(gsen),
                                  Moov({VideoTrak(600, 36000, 1920, 1080)}), Mdat(128)});
    const ParseOutcome out = ParseBytes(bytes, "FILE0001.MOV");
    ASSERT_EQ(out.result, 0);
    EXPECT_EQ(out.info.width, 1920);
    EXPECT_EQ(out.info.height, 1080);
    EXPECT_EQ(out.info.durationMs, 60000u);
    EXPECT_EQ(out.info.durationSeconds, 60);
    EXPECT_EQ(out.info.fileSize, bytes.size());
    EXPECT_EQ(out.info.gpsOffset, PayloadOffset(bytes, "gps0"));
    EXPECT_EQ(out.info.gpsSize, 64u);
    EXPECT_EQ(out.info.gsensorOffset, PayloadOffset(bytes, "gsen"));
    EXPECT_EQ(out.info.gsensorSize, 6u);
    EXPECT_EQ(RateByte(out.info.gpsRate), 10);
    EXPECT_EQ(RateByte(out.info.gsensorInfo), 25);
    EXPECT_EQ(out.info.startTime, 0);
}

TEST_F(MovParser, StructuralCases)
{
    const Box udta = Container("udta", {GpsBox(kTwoRecords)});
    struct Case {
        const char* what;
        std::vector<Box> boxes;
        int result;
        bool gpsFound;
    } cases[] = {
        {"first box not ftyp", {Leaf("wide"), Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080)})}, -1, false},
        {"first track not H.264 although the second is",
         {Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080, "hvc1"), VideoTrak(600, 36000, 1920, 1080)})}, -1, false},
        {"no camera boxes", PlainMov(), 0, false},
        {"camera boxes directly inside moov",
         {Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080), GpsBox(kTwoRecords)}), Mdat(8)}, 0, true},
        {"camera boxes one level deeper are not found",
         {Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080), udta}), Mdat(8)}, 0, false},
        {"64-bit sizes on every level",
         {Ftyp().Large(), Moov({Container("trak", {Container("mdia", {Mdhd(600, 36000).Large(),
                                 Container("minf", {Container("stbl", {Stsd({SampleEntry("avc1", 1920, 1080)})})})})})})
                                .Large(),
          GpsBox(kTwoRecords).Large(), Mdat(16).Large()},
         0, true},
        {"last box runs to the end of the file", {Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080)}), GpsBox(kTwoRecords).ToEnd()}, 0, true},
        {"version 1 media header", {Ftyp(), Moov({Container("trak", {Container("mdia", {Mdhd(600, 36000, 1),
                                 Container("minf", {Container("stbl", {Stsd({SampleEntry("avc1", 1920, 1080)})})})})})})}, 0, false},
        {"timescale 0", {Ftyp(), Moov({VideoTrak(0, 36000, 1920, 1080)})}, -1, false},
        {"short media header", {Ftyp(), Moov({Container("trak", {Container("mdia", {Leaf("mdhd", Bytes(12, 0)),
                                 Container("minf", {Container("stbl", {Stsd({SampleEntry("avc1", 1920, 1080)})})})})})})}, -1, false},
        {"short sample entry", {Ftyp(), Moov({Container("trak", {Container("mdia", {Mdhd(600, 36000),
                                 Container("minf", {Container("stbl", {Stsd({Leaf("avc1", Bytes(20, 0))})})})})})})}, -1, false},
        {"box size below its header ends the walk", {Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080)}), Leaf("free").WithSize(4), GpsBox(kTwoRecords)}, 0, false},
        {"moov size far past the end", {Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080)}).WithSize(0xFFFFFFF0u)}, 0, false},
        {"hostile 64-bit size", {Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080)}), Leaf("mdat", Bytes(8, 0xFF)).WithSize(1)}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ParseOutcome out = ParseBytes(MovBytes(c.boxes), "FILE0001.MOV");
        EXPECT_EQ(out.result, c.result);
        EXPECT_EQ(out.info.gpsSize != 0, c.gpsFound);
        if (c.result == 0)
            EXPECT_EQ(out.info.durationMs, 60000u);
        else
            EXPECT_EQ(out.info, VideoFileInfo{});
    }
}

TEST_F(MovParser, WalkResumesAfterTheLastWholeGpsRecord)
{
    // The camera writes the next box right after the last whole record, so a
    // 100-byte payload hides the next box's header in its last four bytes.
    Bytes payload = GpsPayload({Fix(2503.5, 12130.0), Fix(2503.5, 12130.0), Fix(2503.5, 12130.0)});
    Append(payload, MovBytes({GSensorBox(GSensorPayload({{1, 2, 3}}))}));
    const Bytes bytes = MovBytes({Ftyp(), Moov({VideoTrak(600, 36000, 1920, 1080)}), GpsBox(payload).WithSize(8 + 100)});
    const ParseOutcome out = ParseBytes(bytes, "FILE0001.MOV");
    ASSERT_EQ(out.result, 0);
    EXPECT_EQ(out.info.gpsSize, 100u);
    EXPECT_EQ(out.info.gsensorOffset, out.info.gpsOffset + 96 + 8);
    EXPECT_EQ(out.info.gsensorSize, 3u);
}

TEST_F(MovParser, StartTimeSources)
{
    const Box track = Moov({VideoTrak(600, 36000, 1920, 1080)});
    std::vector<GpsSample> late(26, Fix(2503.5, 12130.0));
    late[25] = Dated(late[25], 2012, 5, 6, 10, 0, 30);
    const Box datedAt25 = GpsBox(GpsPayload(late));
    const Box datedAt0 = GpsBox(GpsPayload({Dated(Fix(2503.5, 12130.0), 2012, 5, 6, 10, 0, 30)}));
    const Box undated = GpsBox(GpsPayload({Dated(Fix(2503.5, 12130.0), 2000, 5, 6, 10, 0, 30)}));
    struct Case {
        const char* what;
        std::vector<Box> boxes;
        int result;
        std::int64_t startTime;
    } cases[] = {
        {"IDIT", {Ftyp(), DateBox("2012-05-06 10:20:30"), track}, 0, kIditTime},
        {"IDIT longer than 64 bytes", {Ftyp(), DateBox("2012-05-06 10:20:30" + std::string(100, ' ')), track}, 0, kIditTime},
        {"GPS record 25 at 10 per second, moved back 2 s", {Ftyp(), GpsRateBox(10), datedAt25, track}, 0, 1336269628},
        {"rate 0 counts as 1 per second", {Ftyp(), GpsRateBox(0), datedAt25, track}, 0, 1336269630 - 25},
        {"a record with year byte 0 has no date", {Ftyp(), undated, track}, 0, 0},
        {"IDIT with month 13 falls back to GPS", {Ftyp(), DateBox("2012-13-06 10:20:30"), datedAt0, track}, 0, 1336269630},
        {"a valid IDIT after GPS replaces its time", {Ftyp(), datedAt0, DateBox("2012-05-06 10:20:30"), track}, 0, kIditTime},
        {"an invalid IDIT after GPS clears the time", {Ftyp(), datedAt0, DateBox("garbage"), track}, 0, 0},
        {"IDIT in 1950 cannot be converted", {Ftyp(), DateBox("1950-05-06 10:20:30"), track}, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ParseOutcome out = ParseBytes(MovBytes(c.boxes), "FILE0001.MOV");
        EXPECT_EQ(out.result, c.result);
        EXPECT_EQ(out.info.startTime, c.startTime);
    }
}

TEST_F(MovParser, FailureLeavesTheCallersRecordAndReportsStatus)
{
    TempFolder folder;
    WriteFile(folder / "a.MOV", MovBytes({Ftyp(), Moov({VideoTrak(0, 1, 2, 3)})}));
    VideoFileInfo info;
    info.width = 77;
    FileStatus status;
    CZel3gpParser parser;
    parser.SetInfoTarget(&info);
    parser.SetStatusTarget(&status);
    EXPECT_EQ(parser.Parse(folder / "a.MOV"), -1);
    EXPECT_EQ(info.width, 77);
    EXPECT_GT(status.size, 0u);
    EXPECT_EQ(parser.Parse(folder / "missing.MOV"), -1);
}

TEST_F(MovParser, ReadsHeadersNotVideoData)
{
    const Bytes bytes = MovBytes({Ftyp(), Mdat(8 << 20), Moov({VideoTrak(600, 36000, 1920, 1080)}), GpsRateBox(10),
                                  GpsBox(kTwoRecords)});
    TempFolder folder;
    WriteFile(folder / "big.MOV", bytes);
    CZel3gpParser parser;
    ASSERT_EQ(parser.Parse(folder / "big.MOV"), 0);
    EXPECT_LT(parser.BytesRead(), 64u * 1024);
}
