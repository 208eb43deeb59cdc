#include "RecordingFakes.h"
#include "support/RecordingFixture.h"
#include "support/ParseFile.h"
#include "support/TempFolder.h"

#include "library/CRecordingLibrary.h"
#include "library/CreateFolderTree.h"
#include "settings/LoadLocalizedString.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace fixtures;
namespace fs = std::filesystem;

namespace {

bool IsReadOnly(const std::string& path)
{
    return (fs::status(path).permissions() & fs::perms::owner_write) == fs::perms::none;
}

void MakeReadOnly(const std::string& path)
{
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

// Three groups: G0 = FILE0001 + FILE0002 in DCIM/A, G1 = FILE0003 in DCIM/B,
// G2 = FILE0004 at the top.
class FileOperations : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTimeZone("Asia/Taipei");
        library.Attach(views.Views());
        CreateFolderTree(card / "DCIM/A");
        CreateFolderTree(card / "DCIM/B");
        WriteRecording(card / "DCIM/A/FILE0001.MOV", {.date = At(10, 0, 0)});
        WriteRecording(card / "DCIM/A/FILE0002.MOV", {.date = At(10, 1, 0)});
        WriteRecording(card / "DCIM/B/FILE0003.MOV", {.date = At(11, 0, 0)});
        WriteRecording(card / "FILE0004.MOV", {.date = At(12, 0, 0)});
    }

    void Load()
    {
        ASSERT_EQ(library.Load(card.Path(), ""), 1);
        views.groupList.clears = 0;
        views.fileList.clears = 0;
    }

    std::vector<std::string> FileNames() const
    {
        std::vector<std::string> names;
        for (const RecordingFile& f : library.Files())
            names.push_back(f.name);
        return names;
    }

    TempFolder card;
    TempFolder target;
    fakes::AllViews views;
    CRecordingLibrary library;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(FileOperations, NothingCheckedDoesNothing)
{
    Load();
    EXPECT_EQ(library.RefreshChecked(), 0);
    EXPECT_EQ(library.DeleteChecked(), 0);
    EXPECT_EQ(library.UnlockChecked(), 0);
    EXPECT_EQ(library.SaveCheckedAs(target.Path()), 0);
    EXPECT_EQ(library.Files().size(), 4u);
    EXPECT_TRUE(views.instruments.calls.empty());
    EXPECT_EQ(views.groupList.clears, 0);
}

TEST_F(FileOperations, DeletingGroupsRegroupsWhatRemains)
{
    MakeReadOnly(card / "DCIM/A/FILE0002.MOV");
    Load();
    views.groupList.checked = {0, 2};

    EXPECT_EQ(library.DeleteChecked(), 1);

    EXPECT_EQ(Names(card.Path()), (Strings{"DCIM", "DCIM/A", "DCIM/B", "DCIM/B/FILE0003.MOV"}));
    EXPECT_EQ(FileNames(), (Strings{"FILE0003.MOV"}));
    ASSERT_EQ(library.Groups().size(), 1u);
    EXPECT_EQ(library.Groups()[0].index, 0);
    EXPECT_EQ(library.Members().size(), 1u);
    EXPECT_EQ(views.groupList.clears, 1);
    EXPECT_EQ(views.fileList.clears, 1);
    ASSERT_EQ(views.fileList.rows.size(), 1u);
    EXPECT_EQ(views.fileList.rows[0].group, 0);
    EXPECT_EQ(views.fileList.rows[0].name, "FILE0003.MOV");
}

TEST_F(FileOperations, AFailedDeleteKeepsTheRecordingAndItsLock)
{
    Load();
    // Something that cannot be deleted as a file now stands under the name.
    const std::string path = card / "FILE0004.MOV";
    fs::remove(path);
    fs::create_directory(path);
    MakeReadOnly(path);
    views.groupList.checked = {2};

    EXPECT_EQ(library.DeleteChecked(), 1);

    EXPECT_TRUE(IsReadOnly(path));
    EXPECT_EQ(library.Files().size(), 4u);
    EXPECT_EQ(views.groupList.clears, 0);
}

TEST_F(FileOperations, UnlockRemovesBothLocks)
{
    WriteRecording(card / "ABCG0012.AVI", {.date = At(13, 0, 0)});
    WriteRecording(card / "ABCG0013.AVI", {.date = At(13, 1, 0)});
    MakeReadOnly(card / "ABCG0012.AVI");
    // The unlocked name of the second recording is taken.
    WriteFile(card / "ABC_0013.AVI", {'k', 'e', 'e', 'p'});
    Load();
    ASSERT_EQ(library.Groups().size(), 4u);
    EXPECT_EQ(library.Groups()[3].lockFlags, LOCK_G | LOCK_M);
    views.groupList.checked = {3};

    EXPECT_EQ(library.UnlockChecked(), 1);

    const RecordingFile& unlocked = library.Files()[4];
    EXPECT_EQ(unlocked.name, "ABC_0012.AVI");
    EXPECT_EQ(unlocked.lockFlags, 0u);
    EXPECT_FALSE(fs::exists(card / "ABCG0012.AVI"));
    EXPECT_FALSE(IsReadOnly(card / "ABC_0012.AVI"));

    const RecordingFile& kept = library.Files()[5];
    EXPECT_EQ(kept.name, "ABCG0013.AVI");
    EXPECT_EQ(kept.lockFlags, LOCK_G);
    EXPECT_TRUE(fs::exists(card / "ABCG0013.AVI"));
    EXPECT_EQ(ReadText(card / "ABC_0013.AVI"), "keep");
    EXPECT_EQ(library.Groups()[3].lockFlags, LOCK_G);

    // The lists are refilled with the new names and locks, not regrouped.
    EXPECT_EQ(views.fileList.clears, 1);
    ASSERT_EQ(views.fileList.rows.size(), 6u);
    EXPECT_EQ(views.fileList.rows[4].name, "ABC_0012.AVI");
    EXPECT_EQ(views.fileList.rows[4].lockFlags, 0u);
    EXPECT_EQ(views.groupList.rows[3].lockFlags, LOCK_G);
}

TEST_F(FileOperations, SaveCopiesCheckedGroupsWithTheirFolders)
{
    Load();
    views.groupList.checked = {0, 2};

    EXPECT_EQ(library.SaveCheckedAs(target.Path()), 1);

    EXPECT_EQ(Names(target.Path()),
              (Strings{"DCIM", "DCIM/A", "DCIM/A/FILE0001.MOV", "DCIM/A/FILE0002.MOV", "FILE0004.MOV"}));
    EXPECT_EQ(ReadText(target / "DCIM/A/FILE0002.MOV"), ReadText(card / "DCIM/A/FILE0002.MOV"));
    EXPECT_EQ(views.instruments.calls,
              (Strings{"board shown", "progress 0", "progress 33", "progress 66", "progress 100", "board hidden"}));
    EXPECT_TRUE(views.ui.questions.empty());
    EXPECT_TRUE(views.ui.messages.empty());
    EXPECT_EQ(library.Files().size(), 4u);
}

TEST_F(FileOperations, SaveAsksBeforeReplacingEachExistingFile)
{
    Load();
    views.groupList.checked = {0};
    CreateFolderTree(target / "DCIM/A");
    WriteFile(target / "DCIM/A/FILE0001.MOV", {'o', 'l', 'd'});
    WriteFile(target / "DCIM/A/FILE0002.MOV", {'o', 'l', 'd'});
    views.ui.answers = {false, true};

    library.SaveCheckedAs(target.Path());

    ASSERT_EQ(views.ui.questions.size(), 2u);
    EXPECT_EQ(views.ui.questions[0].caption, LoadLocalizedString(140));
    EXPECT_NE(views.ui.questions[0].text.find("\"" + target / "DCIM/A/FILE0001.MOV\""), std::string::npos);
    EXPECT_EQ(ReadText(target / "DCIM/A/FILE0001.MOV"), "old");
    EXPECT_EQ(ReadText(target / "DCIM/A/FILE0002.MOV"), ReadText(card / "DCIM/A/FILE0002.MOV"));
    EXPECT_EQ(views.instruments.calls, (Strings{"board shown", "progress 0", "progress 50", "progress 100", "board hidden"}));
}

TEST_F(FileOperations, SaveReportsTheFilesItCouldNotCopy)
{
    Load();
    views.groupList.checked = {1, 2};
    // The source breaks off once the copy has begun: it is no longer a file.
    fs::remove(card / "DCIM/B/FILE0003.MOV");
    fs::create_directory(card / "DCIM/B/FILE0003.MOV");
    CreateFolderTree(target / "DCIM/B");
    WriteFile(target / "DCIM/B/FILE0003.MOV", {'o', 'l', 'd'});

    EXPECT_EQ(library.SaveCheckedAs(target.Path()), 1);

    EXPECT_EQ(views.ui.questions.size(), 1u);
    ASSERT_EQ(views.ui.messages.size(), 1u);
    EXPECT_EQ(views.ui.messages[0].caption, LoadLocalizedString(131));
    std::string report = LoadLocalizedString(200);
    report.replace(report.find("%s"), 2, library.FilePath(2));
    EXPECT_EQ(views.ui.messages[0].text, report);
    EXPECT_EQ(views.ui.messages[0].icon, CFileOperationUi::Icon::Exclamation);
    // The file the user agreed to replace is intact and no partial copy is left.
    EXPECT_EQ(ReadText(target / "DCIM/B/FILE0003.MOV"), "old");
    EXPECT_EQ(Names(target.Path()), (Strings{"DCIM", "DCIM/B", "DCIM/B/FILE0003.MOV", "FILE0004.MOV"}));
}
