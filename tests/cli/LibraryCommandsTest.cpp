#include "RunCli.h"

#include "support/RecordingFixture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace fixtures;
namespace fs = std::filesystem;

namespace {

const std::string kTaipei = "TZ=Asia/Taipei";

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// DCIM/FILE0001.MOV and DCIM/FILE0002.MOV make one group, the read-only
// ABCG0003.MOV at the top another; NOTE.MOV fails the name rule.
class CardCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(card / "DCIM");
        WriteRecording(card / "DCIM/FILE0001.MOV", {.date = At(10, 0, 0), .gps = {Fix(2503.5, 12130.0, 36, 90)}});
        WriteRecording(card / "DCIM/FILE0002.MOV", {.date = At(10, 1, 0), .durationMs = 45000});
        WriteRecording(card / "ABCG0003.MOV", {.date = At(11, 0, 0), .width = 1280, .height = 720});
        fs::permissions(card / "ABCG0003.MOV", fs::perms::owner_write, fs::perm_options::remove);
        WriteRecording(card / "NOTE.MOV");
    }

    TempFolder card;
};

} // namespace

TEST_F(CardCommands, ScanPrintsBothListsAsTheyShowThem)
{
    const CliResult r = RunCli({"scan", card.Path()}, kTaipei);
    ASSERT_EQ(r.status, 0);
    const std::string root = card.Path() + "/";
    EXPECT_EQ(r.out, "Group\tResolution\tStart Time\tLength\tFile Size\tLock\n"
                     "G0\tFHD\t2012-05-06 10:00:00\t 105 s \t 0 MB\t-\n"
                     "G1\tHD\t2012-05-06 11:00:00\t 60 s \t 0 MB\tGM\n"
                     "\n"
                     "ID\tFile Name\tStart Time\tEnd Time\tFile Size\tFolder\tLock\n"
                     "G0-0\tFILE0001.MOV\t10:00:00\t10:01:00\t 0 MB\t" + root + "DCIM/\t-\n"
                     "G0-1\tFILE0002.MOV\t10:01:00\t10:01:45\t 0 MB\t" + root + "DCIM/\t-\n"
                     "G1-0\tABCG0003.MOV\t11:00:00\t11:01:00\t 0 MB\t" + root + "\tGM\n");
}

TEST_F(CardCommands, ScanAsJson)
{
    const CliResult r = RunCli({"scan", card.Path(), "--json"}, kTaipei);
    ASSERT_EQ(r.status, 0);
    const auto size = [&](const char* name) { return std::to_string(fs::file_size(card / name)); };
    EXPECT_EQ(r.out.rfind("{\"groups\":[{\"index\":0,\"firstFile\":0,\"fileCount\":2,\"totalDurationMs\":105000,"
                          "\"totalSize\":" + std::to_string(fs::file_size(card / "DCIM/FILE0001.MOV") +
                                                            fs::file_size(card / "DCIM/FILE0002.MOV")) +
                              ",\"lockFlags\":0},{\"index\":1,\"firstFile\":2,\"fileCount\":1,",
                          0),
              0u);
    EXPECT_NE(r.out.find("\"lockFlags\":3}],\"files\":[{\"name\":\"FILE0001.MOV\",\"root\":\"" + card.Path() +
                         "/\",\"subfolder\":\"DCIM/\",\"lockFlags\":0,\"groupStart\":1,\"gpsOffset\":"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"startTime\":1336269600,\"durationSeconds\":60,\"durationMs\":60000,\"fileSize\":" +
                         size("DCIM/FILE0001.MOV") + ",\"gpsRate\":0,\"gsensorInfo\":0}"),
              std::string::npos);
    EXPECT_NE(r.out.find("{\"name\":\"ABCG0003.MOV\",\"root\":\"" + card.Path() +
                         "/\",\"subfolder\":\"\",\"lockFlags\":3,\"groupStart\":1,"),
              std::string::npos);
    EXPECT_EQ(r.out.back(), '\n');
}

TEST_F(CardCommands, ScanOfOneFileOrNothing)
{
    const CliResult one = RunCli({"scan", card / "NOTE.MOV"}, kTaipei);
    ASSERT_EQ(one.status, 0);
    EXPECT_NE(one.out.find("G0-0\tNOTE.MOV\t10:00:00\t10:01:00\t 0 MB\t" + card.Path() + "\t-\n"), std::string::npos);

    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"scan", card / "missing"}, 2},
        {{"scan"}, 2},
        {{"scan", card.Path(), card.Path()}, 2},
        {{"kml", card / "missing.MOV"}, 2},
        {{"gpx"}, 2},
        {{"gpx", card / "DCIM/FILE0001.MOV", "-o"}, 2},
        {{"kml", card / "DCIM"}, 1},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.args, kTaipei);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_EQ(r.out, "") << c.args.back();
    }
}

TEST_F(CardCommands, KmlGoesToTheKmlFolderOrWhereAsked)
{
    TempFolder out;
    const std::string recording = card / "DCIM/FILE0001.MOV";
    const std::string name = "FILE0001_2012_05_06_10-00-00.KML";

    const CliResult byDefault = RunCli({"kml", recording}, kTaipei + " XDG_DOCUMENTS_DIR='" + out.Path() + "'");
    ASSERT_EQ(byDefault.status, 0);
    const std::string path = out / "ZEL/KML/" + name;
    EXPECT_EQ(byDefault.out, path + "\n");
    EXPECT_NE(ReadText(path).find("<coordinates>\n121.500000,25.058333,0\n\n"), std::string::npos);

    const CliResult intoFolder = RunCli({"kml", recording, "-o", out.Path()}, kTaipei);
    EXPECT_EQ(intoFolder.out, out / name + "\n");
    EXPECT_EQ(ReadText(out / name), ReadText(path));

    const CliResult asFile = RunCli({"kml", "-o", out / "track.kml", recording}, kTaipei);
    EXPECT_EQ(asFile.out, out / "track.kml\n");
    EXPECT_EQ(ReadText(out / "track.kml"), ReadText(path));

    const CliResult nowhere = RunCli({"kml", recording, "-o", out / "missing/track.kml"}, kTaipei);
    EXPECT_EQ(nowhere.status, 1);
}

TEST_F(CardCommands, GpxIsValidGpx11)
{
    const CliResult r = RunCli({"gpx", card / "DCIM/FILE0001.MOV"}, kTaipei);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("<trkpt lat=\"25.058333\" lon=\"121.500000\">\n        <ele>0</ele>\n"
                         "        <time>2012-05-06T02:00:00Z</time>"),
              std::string::npos);
    EXPECT_NE(r.out.find("<gpxtpx:speed>10.00</gpxtpx:speed>\n            <gpxtpx:course>90</gpxtpx:course>"),
              std::string::npos);

    TempFolder out;
    const CliResult written = RunCli({"gpx", card / "DCIM/FILE0001.MOV", "-o", out.Path()}, kTaipei);
    const std::string path = out / "FILE0001_2012_05_06_10-00-00.GPX";
    EXPECT_EQ(written.out, path + "\n");
    EXPECT_EQ(ReadText(path), r.out);

#ifdef TAVREL_XMLLINT
    const std::string check = std::string("'" TAVREL_XMLLINT "' --noout --schema '" TAVREL_GPX_SCHEMA "' '") + path + "'";
    EXPECT_EQ(std::system(check.c_str()), 0) << check;
#else
    GTEST_SKIP() << "xmllint is missing (scripts/setup installs it)";
#endif
}
