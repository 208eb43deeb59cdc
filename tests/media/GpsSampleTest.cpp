#include "support/ParseFile.h"
#include "support/TelemetryBytes.h"

#include "media/GSensorSample.h"
#include "media/GpsSample.h"
#include "media/LocalTime.h"

#include <gtest/gtest.h>

using namespace fixtures;

TEST(GpsSample, CoordinateConversion)
{
    struct Case {
        double stored, degrees;
    } cases[] = {{2503.5, 25.058333}, {12130.0, 121.5}, {0.0, 0.0}, {-2503.5, -25.058333}, {5959.99, 59.999833}};
    for (const Case& c : cases)
        EXPECT_NEAR(NmeaToDegrees(c.stored), c.degrees, 1e-6) << c.stored;
}

TEST(GpsSample, FixAndPositionRules)
{
    struct Case {
        const char* what;
        GpsSample s;
        bool fix, usable;
    } cases[] = {
        {"fix", Fix(2503.5, 12130.0), true, true},
        {"flag clear", [] { GpsSample s = Fix(2503.5, 12130.0); s.flags = 0x02; return s; }(), false, false},
        {"latitude 20000 is out of range", Fix(20000.0, 12130.0), true, false},
        {"longitude 19999.9 is in range", Fix(2503.5, 19999.9), true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.s.HasFix(), c.fix);
        EXPECT_EQ(c.s.IsUsablePosition(), c.usable);
    }
}

TEST(GpsSample, RoundTripsThroughTheStoredLayout)
{
    GpsSample s = Dated(Fix(2503.5, 12130.0, 88, 358), 2012, 5, 6, 10, 20, 30);
    s.altitude = -12;
    Bytes bytes = GpsPayload({s});
    ASSERT_EQ(bytes.size(), 32u);
    EXPECT_EQ(bytes[20], 88);   // speed, little-endian
    EXPECT_EQ(bytes[22], 12);   // year - 2000
    EXPECT_EQ(bytes[28], 179);  // heading in units of 2 degrees
    EXPECT_EQ(bytes[29], 1);    // fix flag
    const GpsSample back = GpsSample::Decode(bytes.data());
    EXPECT_EQ(back.altitude, -12);
    EXPECT_EQ(back.HeadingDegrees(), 358);
    EXPECT_EQ(back.SpeedMph(), 55);
    EXPECT_TRUE(back.HasValidDate());
}

TEST(GSensorSample, UnitsOfOneNinetiethG)
{
    const std::uint8_t bytes[] = {0xA6, 127, 0};  // -90, 127, 0
    const GSensorSample s = GSensorSample::Decode(bytes);
    EXPECT_DOUBLE_EQ(GSensorSample::ToG(s.x), -1.0);
    EXPECT_NEAR(GSensorSample::ToG(s.y), 1.411, 1e-3);
    EXPECT_EQ(s.z, 0);
}

TEST(LocalTime, ConvertsTheCameraClockInTheLocalZone)
{
    struct Case {
        const char* zone;
        LocalDateTime t;
        std::optional<std::int64_t> epoch;
    } cases[] = {
        {"Asia/Taipei", {2012, 5, 6, 10, 20, 30}, 1336270830},
        {"UTC", {2012, 5, 6, 10, 20, 30}, 1336299630},
        {"UTC", {2012, 13, 6, 10, 20, 30}, std::nullopt},
        {"UTC", {1950, 5, 6, 10, 20, 30}, std::nullopt},
        {"UTC", {2012, 5, 6, 24, 0, 0}, std::nullopt},
    };
    for (const Case& c : cases) {
        UseTimeZone(c.zone);
        EXPECT_EQ(LocalTimeToEpoch(c.t), c.epoch) << c.zone << " " << c.t.year << "-" << c.t.month;
    }
    UseTimeZone("Asia/Taipei");
    const LocalDateTime back = EpochToLocalTime(1336270830);
    EXPECT_EQ(back.hour, 10);
    EXPECT_EQ(back.second, 30);
}
