#include "RecordingFakes.h"
#include "support/RecordingFixture.h"
#include "support/ParseFile.h"
#include "support/TempFolder.h"

#include "library/CRecordingLibrary.h"
#include "library/CreateFolderTree.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace fixtures;

namespace {

class LibraryLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTimeZone("Asia/Taipei");
        library.Attach(views.Views());
    }

    std::vector<std::string> LoadedNames() const
    {
        std::vector<std::string> names;
        for (const RecordingFile& f : library.Files())
            names.push_back(f.subfolder + f.name);
        return names;
    }

    void MakeReadOnly(const std::string& path)
    {
        std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    }

    TempFolder card;
    fakes::AllViews views;
    CRecordingLibrary library;
};

} // namespace

TEST_F(LibraryLoad, ScanFindsRecordingsBelowTheFolderSortedByStartTime)
{
    CreateFolderTree(card / "DCIM/A");
    CreateFolderTree(card / "DCIM/B");
    WriteRecording(card / "DCIM/B/FILE0003.MOV", {.date = At(10, 0, 0)});
    WriteRecording(card / "DCIM/A/FILE0002.MOV", {.date = At(10, 2, 0)});
    WriteRecording(card / "FILE0001.AVI", {.date = At(10, 1, 0)});
    WriteRecording(card / "FILE00001.MOV", {.date = At(10, 3, 0)});
    // Each of these is examined and left out: by the name rule, or by the
    // parser (an upper-case ".AVI" is the only way to the AVI parser).
    WriteRecording(card / "FILE00001.AVI", {.date = At(9, 0, 0)});
    WriteFile(card / "file0009.avi", AviRecording({.date = At(9, 0, 0)}));
    WriteRecording(card / "DSC.MOV", {.date = At(9, 0, 0)});
    WriteFile(card / "NOTE0001.TXT", {'n', 'o'});

    EXPECT_EQ(library.Load(card.Path(), ""), 1);

    const std::vector<std::string> expected = {"DCIM/B/FILE0003.MOV", "FILE0001.AVI", "DCIM/A/FILE0002.MOV",
                                               "FILE00001.MOV"};
    EXPECT_EQ(LoadedNames(), expected);
    const RecordingFile& first = library.Files()[0];
    EXPECT_EQ(first.root, card.Path() + "/");
    EXPECT_EQ(first.info.width, 1920);
    EXPECT_TRUE(std::filesystem::equivalent(first.FullPath(), card / "DCIM/B/FILE0003.MOV"));
    // The counter shows each examined file, counted before it.
    EXPECT_EQ(views.scanCounter.counts, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(views.fileList.rows.size(), 4u);
    EXPECT_EQ(views.fileList.rows[0].folder, card.Path() + "/DCIM/B/");
}

TEST_F(LibraryLoad, ScanReadsBothLocks)
{
    WriteRecording(card / "ABCG0012.MOV", {.date = At(10, 0, 0)});
    WriteRecording(card / "ABCD0013.MOV", {.date = At(10, 1, 0)});
    WriteRecording(card / "ABCG0014.MOV", {.date = At(10, 2, 0)});
    MakeReadOnly(card / "ABCD0013.MOV");
    MakeReadOnly(card / "ABCG0014.MOV");

    library.Load(card.Path(), "");

    ASSERT_EQ(library.Files().size(), 3u);
    EXPECT_EQ(library.Files()[0].lockFlags, LOCK_G);
    EXPECT_EQ(library.Files()[1].lockFlags, LOCK_M);
    EXPECT_EQ(library.Files()[2].lockFlags, LOCK_G | LOCK_M);
}

TEST_F(LibraryLoad, SingleFileSkipsTheNameRule)
{
    WriteRecording(card / "myG.mov");
    WriteRecording(card / "ABCG.MOV");
    MakeReadOnly(card / "ABCG.MOV");

    ASSERT_EQ(library.Load(card.Path(), "myG.mov"), 1);
    ASSERT_EQ(library.Files().size(), 1u);
    EXPECT_EQ(library.Files()[0].lockFlags, 0u);

    ASSERT_EQ(library.Load(card.Path() + "/", "ABCG.MOV"), 1);
    ASSERT_EQ(library.Files().size(), 1u);
    const RecordingFile& file = library.Files()[0];
    EXPECT_EQ(file.root, card.Path() + "/");
    EXPECT_EQ(file.subfolder, "");
    EXPECT_EQ(file.lockFlags, LOCK_G | LOCK_M);
    EXPECT_TRUE(std::filesystem::equivalent(library.FilePath(0), card / "ABCG.MOV"));
    EXPECT_EQ(views.groupList.rows.size(), 1u);
}

TEST_F(LibraryLoad, MissingSourceAndSourcesWithoutRecordings)
{
    WriteFile(card / "FILE0001.MOV", {'x'});
    library.Load(card.Path(), "FILE0001.MOV");
    EXPECT_TRUE(library.Files().empty());

    const struct {
        std::string folder, file;
        int result;
    } cases[] = {
        {card / "missing", "", 0},
        {card.Path(), "FILE0002.MOV", 0},
        {card.Path(), "FILE0001.MOV", 1},
        {card.Path(), "", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(library.Load(c.folder, c.file), c.result) << c.folder << " " << c.file;
        EXPECT_TRUE(library.Files().empty());
        EXPECT_TRUE(library.Groups().empty());
        EXPECT_TRUE(views.groupList.rows.empty());
        EXPECT_TRUE(views.fileList.rows.empty());
    }
}

TEST_F(LibraryLoad, ReloadReplacesEverythingAndClearsTheCurves)
{
    WriteRecording(card / "FILE0001.MOV");
    WriteRecording(card / "FILE0002.MOV", {.date = At(12, 0, 0)});
    library.Load(card.Path(), "");
    library.SelectFile(1);
    views.curve.calls.clear();

    library.Load(card.Path(), "FILE0001.MOV");

    EXPECT_EQ(library.Files().size(), 1u);
    EXPECT_EQ(library.CurrentFile(), -1);
    EXPECT_EQ(views.fileList.rows.size(), 1u);
    EXPECT_TRUE(views.fileList.highlighted.empty());
    EXPECT_EQ(views.curve.calls, (std::vector<std::string>{"ClearSamples", "Invalidate"}));
}
