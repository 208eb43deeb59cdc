#include "RecordingFakes.h"
#include "support/RecordingFixture.h"
#include "support/ParseFile.h"
#include "support/TempFolder.h"

#include "library/CRecordingLibrary.h"
#include "library/CreateFolderTree.h"
#include "library/KmlDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace fixtures;

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::size_t CountFiles(const std::string& folder)
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

GpsSample AtAltitude(GpsSample s, int metres)
{
    s.altitude = metres;
    return s;
}

class KmlExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTimeZone("Asia/Taipei");
        library.Attach(views.Views());
    }

    void LoadAndOpen(const std::vector<GpsSample>& gps)
    {
        CreateFolderTree(card / "DCIM/100MEDIA");
        WriteRecording(card / "DCIM/100MEDIA/FILE0001.MOV", {.date = "2012-05-06 10:20:30", .gps = gps});
        ASSERT_EQ(library.Load(card.Path(), ""), 1);
        library.SelectFile(0);
        ASSERT_EQ(library.OpenTelemetry(0), 1);
    }

    TempFolder card;
    TempFolder exports;
    fakes::AllViews views;
    CRecordingLibrary library;
};

} // namespace

TEST_F(KmlExport, WritesTheTrackOfTheCurrentFile)
{
    std::vector<GpsSample> gps = {AtAltitude(Fix(2503.5, 12130.0), -12), Fix(2550.0, 12150.0),
                                  AtAltitude(Fix(2600.0, 12200.0), 30)};
    gps[1].flags = 0;
    LoadAndOpen(gps);

    std::string path;
    ASSERT_EQ(library.ExportKml(exports.Path(), path), 1);

    EXPECT_EQ(path, exports / "FILE0001_2012_05_06_10-20-30.KML");
    EXPECT_EQ(ReadText(path), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
                              "  <Document>\n"
                              "    <name>FILE0001.MOV</name>\n"
                              "\t<description></description>\n"
                              "    <Style id=\"blueLine\">\n"
                              "      <LineStyle>\n"
                              "        <color>ffff0000</color>\n"
                              "        <width>4</width>\n"
                              "      </LineStyle>\n"
                              "    </Style>\n"
                              "    <Placemark>\n"
                              "      <name>CAR PATH</name>\n"
                              "      <description>GPS Path of Rov EV \"DCIM/100MEDIA//FILE0001.MOV\" 2012/05/06 "
                              "10:20:30</description>\n"
                              "      <styleUrl>#blueLine</styleUrl>\n"
                              "      <LineString>\n"
                              "        <altitudeMode>relative</altitudeMode>\n"
                              "        <coordinates>\n"
                              "121.500000,25.058333,-12\n"
                              "122.000000,26.000000,30\n"
                              "\n"
                              "        </coordinates>\n"
                              "      </LineString>\n"
                              "    </Placemark>\n"
                              "  </Document>\n"
                              "</kml>\n");

    // A second export replaces the first, leaving nothing else behind.
    ASSERT_EQ(library.ExportKml(exports.Path() + "/", path), 1);
    EXPECT_EQ(path, exports / "FILE0001_2012_05_06_10-20-30.KML");
    EXPECT_EQ(CountFiles(exports.Path()), 1u);
}

TEST_F(KmlExport, FailsWithoutWritingAnywhere)
{
    LoadAndOpen({Fix(2503.5, 12130.0)});
    const std::string name = "FILE0001_2012_05_06_10-20-30.KML";
    std::string path;

    // Without an export folder nothing goes to the current directory.
    EXPECT_EQ(library.ExportKml("", path), 0);
    EXPECT_EQ(path, name);
    EXPECT_FALSE(std::filesystem::exists(name));

    EXPECT_EQ(library.ExportKml(exports / "missing", path), 0);
    EXPECT_EQ(path, exports / "missing/" + name);
    EXPECT_EQ(CountFiles(exports.Path()), 0u);

    // A load selects no file; only a selected one is exported.
    library.Load(card.Path(), "");
    EXPECT_EQ(library.ExportKml(exports.Path(), path), 0);
    EXPECT_EQ(path, "");
    EXPECT_EQ(CountFiles(exports.Path()), 0u);
}

TEST(KmlDocument, OnlyRecordsWithAFixBecomePoints)
{
    UseTimeZone("UTC");
    std::vector<GpsSample> gps(10, Fix(2503.5, 12130.0));
    gps[3].flags = 0;
    gps[4].flags = 0;
    gps[5].latitude = 20000.0;
    RecordingFile file;
    file.name = "FILE0001.MOV";
    const std::string kml = KmlDocument(file, GpsPayload(gps));
    std::size_t lines = 0;
    for (std::size_t at = kml.find("121.500000,25.058333,0\n"); at != std::string::npos;
         at = kml.find("121.500000,25.058333,0\n", at + 1))
        ++lines;
    EXPECT_EQ(lines, 7u);
}

TEST(KmlDocument, NamesAreEscaped)
{
    UseTimeZone("UTC");
    RecordingFile file;
    file.name = "A&B<1>.MOV";
    file.subfolder = "R&D/";
    const std::string kml = KmlDocument(file, {});
    EXPECT_NE(kml.find("<name>A&amp;B&lt;1&gt;.MOV</name>"), std::string::npos);
    EXPECT_NE(kml.find("GPS Path of Rov EV \"R&amp;D//A&amp;B&lt;1&gt;.MOV\" 1970/01/01 00:00:00</description>"),
              std::string::npos);
    // Without GPS data the coordinates hold only line feeds.
    EXPECT_NE(kml.find("<coordinates>\n\n        </coordinates>"), std::string::npos);
}
