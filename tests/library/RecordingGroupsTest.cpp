#include "RecordingFakes.h"
#include "support/RecordingFixture.h"
#include "support/ParseFile.h"
#include "support/TempFolder.h"

#include "library/CRecordingLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace fixtures;

namespace {

struct Take {
    std::string start;
    std::uint32_t durationMs;
};

class RecordingGroups : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTimeZone("Asia/Taipei");
        library.Attach(views.Views());
    }

    // Writes FILE0000.MOV, FILE0001.MOV... into `folder` and loads it.
    void LoadTakes(const TempFolder& folder, const std::vector<Take>& takes)
    {
        for (std::size_t i = 0; i < takes.size(); ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "FILE%04zu.MOV", i);
            WriteRecording(folder / name, {.date = takes[i].start, .durationMs = takes[i].durationMs});
        }
        ASSERT_EQ(library.Load(folder.Path(), ""), 1);
    }

    std::vector<int> GroupSizes() const
    {
        std::vector<int> sizes;
        for (const RecordingGroup& g : library.Groups())
            sizes.push_back(g.fileCount);
        return sizes;
    }

    TempFolder card;
    fakes::AllViews views;
    CRecordingLibrary library;
};

} // namespace

TEST_F(RecordingGroups, ContinuityAllowsTwoSecondsEitherWay)
{
    const struct {
        const char* what;
        std::vector<Take> takes;
        std::vector<int> sizes;
    } cases[] = {
        {"2 s late joins, 3 s late starts a group",
         {{At(10, 0, 0), 60000}, {At(10, 1, 0), 60000}, {At(10, 2, 2), 60000}, {At(10, 3, 5), 60000}},
         {3, 1}},
        {"2 s early joins, 3 s early starts a group",
         {{At(10, 0, 0), 60000}, {At(10, 0, 58), 60000}, {At(10, 1, 55), 60000}},
         {2, 1}},
        {"equal starts with whole-second length 0", {{At(10, 0, 0), 999}, {At(10, 0, 0), 500}}, {2}},
        {"one file", {{At(10, 0, 0), 60000}}, {1}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        LoadTakes(folder, c.takes);
        EXPECT_EQ(GroupSizes(), c.sizes) << c.what;
    }
}

TEST_F(RecordingGroups, RecordsSumTheirMembersAndReachTheLists)
{
    WriteRecording(card / "ABCG0001.MOV", {.date = At(10, 0, 0), .durationMs = 60000, .width = 1280, .height = 720});
    WriteRecording(card / "ABCD0002.MOV", {.date = At(10, 1, 0), .durationMs = 30000});
    WriteRecording(card / "ABCD0003.MOV", {.date = At(11, 0, 0), .durationMs = 45000});
    std::filesystem::permissions(card / "ABCD0002.MOV", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    library.Load(card.Path(), "");

    ASSERT_EQ(library.Groups().size(), 2u);
    const RecordingGroup& g0 = library.Groups()[0];
    const auto size0 = library.Files()[0].info.fileSize;
    const auto size1 = library.Files()[1].info.fileSize;
    EXPECT_EQ(g0.index, 0);
    EXPECT_EQ(g0.firstFile, 0);
    EXPECT_EQ(g0.fileCount, 2);
    EXPECT_EQ(g0.totalDurationMs, 90000);
    EXPECT_EQ(g0.totalSize, static_cast<std::int64_t>(size0 + size1));
    EXPECT_EQ(g0.lockFlags, LOCK_G | LOCK_M);
    EXPECT_EQ(library.Groups()[1].firstFile, 2);

    ASSERT_EQ(library.Members().size(), 3u);
    EXPECT_EQ(library.Members()[1].group, 0);
    EXPECT_EQ(library.Members()[1].indexInGroup, 1);
    EXPECT_EQ(library.Members()[2].group, 1);
    EXPECT_EQ(library.Members()[2].indexInGroup, 0);

    ASSERT_EQ(views.groupList.rows.size(), 2u);
    const fakes::GroupRow& row = views.groupList.rows[0];
    EXPECT_EQ(row.resolution, "HD");  // of the group's first recording
    EXPECT_EQ(row.totalDurationMs, 90000u);
    EXPECT_EQ(row.totalSize, size0 + size1);
    EXPECT_EQ(row.lockFlags, 3u);
    EXPECT_EQ(row.startTime, library.Files()[0].info.startTime);
    ASSERT_EQ(views.fileList.rows.size(), 3u);
    const fakes::FileRow& file = views.fileList.rows[2];
    EXPECT_EQ(file.group, 1);
    EXPECT_EQ(file.indexInGroup, 0);
    EXPECT_EQ(file.name, "ABCD0003.MOV");
    EXPECT_EQ(file.folder, card.Path() + "/");
    EXPECT_EQ(file.durationMs, 45000u);
}

TEST_F(RecordingGroups, SelectionMovesTheHighlights)
{
    LoadTakes(card, {{At(10, 0, 0), 60000}, {At(10, 1, 0), 60000}, {At(11, 0, 0), 60000}, {At(12, 0, 0), 60000},
               {At(12, 1, 0), 60000}});
    ASSERT_EQ(GroupSizes(), (std::vector<int>{2, 1, 2}));

    EXPECT_EQ(library.SelectFile(1), 1);
    EXPECT_EQ(library.CurrentGroup(), 0);
    EXPECT_EQ(views.groupList.highlighted, (std::set<int>{0}));
    EXPECT_EQ(views.fileList.highlighted, (std::set<int>{1}));
    EXPECT_EQ(views.groupList.madeVisible, (std::vector<int>{0}));
    EXPECT_EQ(views.fileList.madeVisible, (std::vector<int>{1}));

    EXPECT_EQ(library.SelectFile(5), 0);
    EXPECT_EQ(library.SelectFile(-1), 0);
    EXPECT_EQ(library.CurrentFile(), 1);
    EXPECT_EQ(views.fileList.highlighted, (std::set<int>{1}));

    EXPECT_EQ(library.SelectGroup(2), 1);
    EXPECT_EQ(library.CurrentFile(), 3);
    EXPECT_EQ(library.CurrentGroup(), 2);
    EXPECT_EQ(views.groupList.highlighted, (std::set<int>{2}));
    EXPECT_EQ(views.fileList.highlighted, (std::set<int>{3}));
    EXPECT_EQ(views.fileList.madeVisible, (std::vector<int>{1}));  // a group choice does not scroll

    EXPECT_EQ(library.SelectGroup(3), 0);
    EXPECT_EQ(library.CurrentGroup(), 2);
    EXPECT_EQ(library.SelectFile(4), 1);
    EXPECT_EQ(library.GroupOfFile(), 2);
}
