#include "support/ParseFile.h"

#include "library/ListRowText.h"
#include "library/ResolutionName.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

class ListRowText : public ::testing::Test {
protected:
    void SetUp() override { UseTimeZone("Asia/Taipei"); }
};

// 2012-05-06 23:59:30 in Taipei (UTC+8).
constexpr std::int64_t kBeforeMidnight = 1336319970;

} // namespace

TEST(ResolutionName, NamesKnownSizesAndSpellsOutOthers)
{
    const struct {
        unsigned width, height;
        const char* name;
    } cases[] = {
        {1920, 1080, "FHD"}, {2048, 1600, "QXGA"}, {2048, 1536, "QXGA"}, {1280, 720, "HD"}, {320, 240, "CIF"},
        {1440, 1080, "1440x1080"}, {0, 1080, ""}, {1920, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolutionName(c.width, c.height), c.name) << c.width << "x" << c.height;
}

TEST_F(ListRowText, GroupRowShowsLocalStartWholeSecondsAndWholeMebibytes)
{
    const GroupRowText row = FormatGroupRow(0, "FHD", 59999, 3145728, kBeforeMidnight);
    const GroupRowText expected = {"G0", "FHD", "2012-05-06 23:59:30", " 59 s ", " 3 MB"};
    EXPECT_EQ(row, expected);
    EXPECT_EQ(FormatGroupRow(12, "", 0, 1048575, kBeforeMidnight)[4], " 0 MB");
}

TEST_F(ListRowText, FileRowEndTimeCrossesMidnight)
{
    const FileRowText row = FormatFileRow(0, 1, "/card/DCIM/", "FILE0002.MOV", 45000, 1048576, kBeforeMidnight);
    const FileRowText expected = {"G0-1", "FILE0002.MOV", "23:59:30", "00:00:15", " 1 MB", "/card/DCIM/"};
    EXPECT_EQ(row, expected);
}

TEST_F(ListRowText, FollowsTheTimeZone)
{
    UseTimeZone("UTC");
    EXPECT_EQ(FormatFileRow(0, 0, "", "", 0, 0, kBeforeMidnight)[2], "15:59:30");
}

TEST(LockFlagsText, OneTextPerLockImage)
{
    EXPECT_EQ(LockFlagsText(0), "-");
    EXPECT_EQ(LockFlagsText(1), "G");
    EXPECT_EQ(LockFlagsText(2), "M");
    EXPECT_EQ(LockFlagsText(3), "GM");
}
