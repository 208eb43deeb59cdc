#include "RunCli.h"

#include "support/AviWriter.h"
#include "support/MovWriter.h"
#include "support/TelemetryBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

const char* const kKeys[] = {"path", "result", "gpsOffset", "gpsSize", "gsensorOffset", "gsensorSize", "width",
                             "height", "startTime", "durationSeconds", "durationMs", "fileSize", "gpsRate",
                             "gsensorInfo"};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
    }
    return lines;
}

} // namespace

TEST(ProbeCommand, OneObjectPerFileWithTheParserTheNameSelects)
{
    TempFolder card;
    WriteFile(card / "FILE0001.MOV", MovBytes({Ftyp(), GpsRateBox(10), Moov({VideoTrak(600, 36000, 1920, 1080)})}));
    WriteFile(card / "FILE0002.AVI", AviBytes(PlainAvi()));
    // The AVI parser is chosen only for the exact upper-case extension.
    WriteFile(card / "file0003.avi", AviBytes(PlainAvi()));
    const CliResult r = RunCli({"probe", card / "FILE0001.MOV", card / "FILE0002.AVI", card / "file0003.avi"}, "TZ=UTC");
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    for (const std::string& line : lines)
        for (const char* key : kKeys)
            EXPECT_NE(line.find(std::string("\"") + key + "\":"), std::string::npos) << key << " in " << line;
    EXPECT_NE(lines[0].find("\"result\":0,"), std::string::npos);
    EXPECT_NE(lines[0].find("\"width\":1920,\"height\":1080,"), std::string::npos);
    EXPECT_NE(lines[0].find("\"durationMs\":60000,"), std::string::npos);
    EXPECT_NE(lines[0].find("\"gpsRate\":10,"), std::string::npos);
    EXPECT_NE(lines[1].find("\"durationSeconds\":59,\"durationMs\":59999,"), std::string::npos);
    EXPECT_NE(lines[2].find("\"result\":-1,\"gpsOffset\":0,"), std::string::npos);
    EXPECT_NE(lines[2].find("\"fileSize\":0,"), std::string::npos);
}

TEST(ProbeCommand, UsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{}, 2},
        {{"probe"}, 2},
        {{"probe", "/no/such/file.MOV"}, 2},
        {{"frobnicate"}, 2},
        {{"track"}, 2},
        {{"track", "a", "b"}, 2},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        EXPECT_EQ(RunCli(args).status, c.status) << (args.empty() ? "" : args[0]);
    }
}

TEST(TrackCommand, DecodesRecordsAtTheirPlayingTimes)
{
    TempFolder card;
    const Bytes gps = GpsPayload({Dated(Fix(2503.5, 12130.0, 88, 90), 2012, 5, 6, 10, 20, 30), Fix(2503.6, 12130.0)});
    const Bytes gsen = GSensorPayload({{-90, 0, 90}, {0, 45, 90}});
    WriteFile(card / "FILE0001.MOV", MovBytes({Ftyp(), GpsRateBox(10), GpsBox(gps), GSensorRateBox(20),
                                                GSensorBox(gsen), Moov({VideoTrak(600, 36000, 1920, 1080)})}));
    const CliResult csv = RunCli({"track", card / "FILE0001.MOV"});
    ASSERT_EQ(csv.status, 0);
    const std::vector<std::string> lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "0,0,1,25.058333,121.500000,0,88,90,2012-05-06 10:20:30");
    EXPECT_EQ(lines[2], "1,100,1,25.060000,121.500000,0,0,0,");
    EXPECT_EQ(lines[4], "0,0,-1.0000,0.0000,1.0000");
    EXPECT_EQ(lines[5], "1,50,0.0000,0.5000,1.0000");

    const CliResult json = RunCli({"track", card / "FILE0001.MOV", "--json"});
    ASSERT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("{\"index\":1,\"ms\":50,\"x\":0.0000,\"y\":0.5000,\"z\":1.0000}"), std::string::npos);
    EXPECT_NE(json.out.find("\"datetime\":\"2012-05-06 10:20:30\""), std::string::npos);

    WriteFile(card / "BAD00001.MOV", Bytes(16, 0));
    EXPECT_EQ(RunCli({"track", card / "BAD00001.MOV"}).status, 1);
}
