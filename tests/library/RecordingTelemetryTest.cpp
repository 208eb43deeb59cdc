#include "RecordingFakes.h"
#include "support/RecordingFixture.h"
#include "support/ParseFile.h"
#include "support/TempFolder.h"

#include "library/CRecordingLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

using namespace fixtures;

namespace {

// 40 records at 10 per second; record i heads 2 * i degrees at i km/h.
std::vector<GpsSample> TenPerSecond()
{
    std::vector<GpsSample> records;
    for (int i = 0; i < 40; ++i)
        records.push_back(Fix(2503.5 + i / 100.0, 12130.0, i, 2 * i));
    return records;
}

class Telemetry : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTimeZone("Asia/Taipei");
        library.Attach(views.Views());
    }

    // Loads one recording and opens its telemetry, forgetting the calls so far.
    void Open(const Recording& r, const std::string& name = "FILE0001.MOV")
    {
        WriteRecording(card / name, r);
        ASSERT_EQ(library.Load(card.Path(), name), 1);
        ASSERT_EQ(library.SelectFile(0), 1);
        ASSERT_EQ(library.OpenTelemetry(0), 1);
        Forget();
    }

    void Forget()
    {
        views.instruments.calls.clear();
        views.map.scripts.clear();
        views.map.moves.clear();
        views.curve.calls.clear();
    }

    TempFolder card;
    fakes::AllViews views;
    CRecordingLibrary library;
};

using Calls = std::vector<std::string>;

} // namespace

TEST_F(Telemetry, PlayingTimeSelectsTheRecordAtTheGpsRate)
{
    Open({.gps = TenPerSecond(), .gpsRate = 10});

    EXPECT_EQ(library.UpdateTelemetry(2750, true, true), 1);
    EXPECT_EQ(views.instruments.calls, (Calls{"heading 54", "speed valid 27"}));
    ASSERT_EQ(views.map.moves.size(), 1u);
    EXPECT_DOUBLE_EQ(views.map.moves[0].first, (2503.5 + 0.27) / 100);
    EXPECT_DOUBLE_EQ(views.map.moves[0].second, 121.3);

    // A hidden map is not moved; the indicator still shows the fix.
    Forget();
    EXPECT_EQ(library.UpdateTelemetry(3000, true, false), 1);
    EXPECT_TRUE(views.map.moves.empty());
    EXPECT_EQ(views.instruments.calls, (Calls{"heading 60", "speed valid 30"}));
}

TEST_F(Telemetry, TimesWithinTheShownRecordChangeNothingButTheCurve)
{
    Open({.gps = TenPerSecond(), .gpsRate = 10, .gsensor = {{1, 2, 3}}});
    library.UpdateTelemetry(2750, true, true);
    Forget();

    EXPECT_EQ(library.UpdateTelemetry(2799, true, true), 1);
    EXPECT_TRUE(views.instruments.calls.empty());
    EXPECT_TRUE(views.map.moves.empty());
    EXPECT_EQ(views.curve.calls, (Calls{"SetStopped 0", "Invalidate", "SetPosition 2799"}));

    // Record 0 is shown again every time: a stop resets the instruments.
    library.UpdateTelemetry(50, false, true);
    Forget();
    library.UpdateTelemetry(60, false, true);
    EXPECT_EQ(views.instruments.calls, (Calls{"heading 0", "speed valid 0"}));
    EXPECT_TRUE(views.curve.calls.empty());
}

TEST_F(Telemetry, RecordsWithoutAUsablePosition)
{
    std::vector<GpsSample> records = TenPerSecond();
    records[5].flags = 0;
    records[6].latitude = 20000.0;
    records[7].longitude = -std::numeric_limits<double>::infinity();
    Open({.gps = records, .gpsRate = 10});

    const struct {
        std::int64_t ms;
        Calls instruments;
    } cases[] = {
        {500, {"image 0", "speed none 0"}},      // no fix
        {600, {"heading 12", "speed valid 6"}},  // a fix outside the camera's range
        {700, {"heading 14", "speed valid 7"}},  // a damaged coordinate
        {4000, {"image 0", "speed none 0"}},     // past the last record
        {-200, {"image 0", "speed none 0"}},
    };
    for (const auto& c : cases) {
        Forget();
        EXPECT_EQ(library.UpdateTelemetry(c.ms, true, true), 0) << c.ms;
        EXPECT_EQ(views.instruments.calls, c.instruments) << c.ms;
        EXPECT_TRUE(views.map.moves.empty()) << c.ms;
        // Reported again within the same record, the indicator keeps its state.
        EXPECT_EQ(library.UpdateTelemetry(c.ms + 50, true, true), 0) << c.ms;
    }
}

TEST_F(Telemetry, ARecordIsShownAgainAfterAnotherOrAfterOpening)
{
    std::vector<GpsSample> records = TenPerSecond();
    records[28].flags = 0;
    Open({.gps = records, .gpsRate = 10});
    library.UpdateTelemetry(2750, true, true);
    library.UpdateTelemetry(2850, true, true);  // grey rose
    Forget();
    EXPECT_EQ(library.UpdateTelemetry(2750, true, true), 1);
    EXPECT_EQ(views.instruments.calls, (Calls{"heading 54", "speed valid 27"}));

    // Another recording's record 27 is another place.
    std::vector<GpsSample> other = TenPerSecond();
    other[27].heading = 90;
    WriteRecording(card / "FILE0002.MOV", {.date = At(10, 1, 0), .gps = other, .gpsRate = 10});
    library.Load(card.Path(), "");
    library.OpenTelemetry(1);
    Forget();
    EXPECT_EQ(library.UpdateTelemetry(2750, true, true), 1);
    EXPECT_EQ(views.instruments.calls, (Calls{"heading 180", "speed valid 27"}));
}

TEST_F(Telemetry, OpeningDrawsTheWholeRouteAndFeedsTheCurves)
{
    std::vector<GpsSample> records = {Fix(2503.5, 12130.0), Fix(2503.5, 12130.0), Fix(2600.0, 12200.0)};
    records[1].flags = 0;
    std::vector<GSensorSample> samples(1800, GSensorSample{1, -1, 90});
    WriteRecording(card / "FILE0001.MOV", {.gps = records, .gsensor = samples});
    library.Load(card.Path(), "");
    Forget();

    EXPECT_EQ(library.OpenTelemetry(0), 1);

    EXPECT_EQ(views.map.scripts, (Calls{"pathdrived_delete()", "path_delete()", "path_plot(25.058333,121.500000)",
                                        "path_plot(26.000000,122.000000)"}));
    EXPECT_EQ(views.curve.calls, (Calls{"ClearSamples", "ClearSamples", "AppendSamples 1800", "RecalcWindow",
                                        "SetSampleRate", "RecalcWindow", "SetTimeScale 0.010000", "RecalcWindow",
                                        "SetWindowMode 2"}));
    // Without a stated rate the samples spread over the duration: 1800 in 60 s.
    EXPECT_DOUBLE_EQ(views.curve.sampleRate, 0.03);
    EXPECT_EQ(library.GpsData().size(), 3 * GpsSample::kSize);
    EXPECT_EQ(library.GpsRatePerSecond(), 1.0);
    EXPECT_EQ(library.CurrentFile(), 0);
}

TEST_F(Telemetry, RecordingWithoutGps)
{
    Open({.gsensor = {{1, 2, 3}}, .gsensorRate = 25});
    library.OpenTelemetry(0);
    EXPECT_EQ(views.map.scripts, (Calls{"pathdrived_delete()", "path_delete()"}));
    EXPECT_DOUBLE_EQ(views.curve.sampleRate, 0.025);

    Forget();
    EXPECT_EQ(library.UpdateTelemetry(1000, true, true), 0);
    EXPECT_EQ(views.instruments.calls, (Calls{"image 0", "speed none 0"}));
}

TEST_F(Telemetry, PayloadOutsideATruncatedFileStaysEmpty)
{
    // The G-sensor payload comes first in the file, the GPS payload after it.
    Open({.gps = TenPerSecond(), .gsensor = {{1, 2, 3}, {4, 5, 6}}});
    const VideoFileInfo info = library.Files()[0].info;
    ASSERT_LT(info.gsensorOffset, info.gpsOffset);
    std::filesystem::resize_file(card / "FILE0001.MOV", info.gpsOffset + 40);

    EXPECT_EQ(library.OpenTelemetry(0), 1);

    EXPECT_TRUE(library.GpsData().empty());
    EXPECT_EQ(library.GSensorData().size(), 6u);
    EXPECT_EQ(views.map.scripts, (Calls{"pathdrived_delete()", "path_delete()"}));
    EXPECT_EQ(library.UpdateTelemetry(0, true, true), 0);
}

TEST_F(Telemetry, OpeningFailures)
{
    Open({.gps = TenPerSecond()});
    EXPECT_EQ(library.OpenTelemetry(1), 0);
    EXPECT_EQ(library.OpenTelemetry(-1), 0);
    EXPECT_EQ(library.GpsData().size(), 40 * GpsSample::kSize);

    std::filesystem::remove(card / "FILE0001.MOV");
    EXPECT_EQ(library.OpenTelemetry(0), 0);
    EXPECT_TRUE(library.GpsData().empty());
    EXPECT_EQ(library.UpdateTelemetry(1000, true, true), 0);
}

TEST_F(Telemetry, DrivenRouteRunsUpToThePlayingTime)
{
    std::vector<GpsSample> records = TenPerSecond();
    records[1].flags = 0;
    Open({.gps = records, .gpsRate = 10});

    EXPECT_EQ(library.DrawDrivenRoute(350), 1);
    EXPECT_EQ(views.map.scripts, (Calls{"pathdrived_delete()", "pathdrived_plot(25.058333,121.500000)",
                                        "pathdrived_plot(25.058667,121.500000)"}));

    Forget();
    library.DrawDrivenRoute(3'600'000);
    EXPECT_EQ(views.map.scripts.size(), 1u + 39u);
}

TEST_F(Telemetry, CurrentPictureSize)
{
    int width = 0;
    int height = 0;
    EXPECT_EQ(library.CurrentPictureSize(&width, &height), 0);
    Open({.width = 1280, .height = 720});
    EXPECT_EQ(library.CurrentPictureSize(&width, nullptr), 1);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(library.CurrentPictureSize(nullptr, &height), 1);
    EXPECT_EQ(height, 720);
}
