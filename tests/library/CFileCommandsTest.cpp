#include "RecordingFakes.h"
#include "support/RecordingFixture.h"
#include "support/ParseFile.h"
#include "support/TempFolder.h"

#include "library/CFileCommands.h"
#include "library/CRecordingLibrary.h"
#include "settings/LoadLocalizedString.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace fixtures;
namespace fs = std::filesystem;

namespace {

// The KML folder lies below the documents folder the environment names.
class DocumentsFolder {
public:
    explicit DocumentsFolder(const std::string& path)
    {
        if (const char* old = std::getenv("XDG_DOCUMENTS_DIR"))
            saved = old;
        ::setenv("XDG_DOCUMENTS_DIR", path.c_str(), 1);
    }
    ~DocumentsFolder()
    {
        if (saved)
            ::setenv("XDG_DOCUMENTS_DIR", saved->c_str(), 1);
        else
            ::unsetenv("XDG_DOCUMENTS_DIR");
    }

private:
    std::optional<std::string> saved;
};

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTimeZone("Asia/Taipei");
        library.Attach(views.Views());
    }

    void LoadOne()
    {
        WriteRecording(card / "FILE0001.MOV", {.date = "2012-05-06 10:20:30", .gps = {Fix(2503.5, 12130.0)}});
        library.Load(card.Path(), "");
        library.SelectFile(0);
        library.OpenTelemetry(0);
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const fakes::Message& m : views.ui.messages)
            texts.push_back(m.caption + ": " + m.text);
        return texts;
    }

    TempFolder card;
    fakes::AllViews views;
    CRecordingLibrary library;
    int stops = 0;
    CFileCommands commands{library, views.ui, [this] { ++stops; }};
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(FileCommands, AnEmptyListIsReportedByEveryCommand)
{
    const std::string noFiles = LoadLocalizedString(145) + ": " + LoadLocalizedString(136);
    commands.OnDelete();
    commands.OnUnlock();
    commands.OnSaveAs();
    commands.OnKml();
    EXPECT_EQ(Texts(), (Strings{noFiles, noFiles, noFiles, noFiles}));
    EXPECT_EQ(stops, 0);
    EXPECT_TRUE(views.ui.questions.empty());
}

TEST_F(FileCommands, DeleteStopsPlaybackAndAsksFirst)
{
    LoadOne();
    views.groupList.checked = {0};
    views.ui.answers = {false};
    commands.OnDelete();
    EXPECT_EQ(stops, 1);
    ASSERT_EQ(views.ui.questions.size(), 1u);
    EXPECT_EQ(views.ui.questions[0].caption, LoadLocalizedString(128));
    EXPECT_EQ(views.ui.questions[0].text, LoadLocalizedString(129));
    EXPECT_TRUE(fs::exists(card / "FILE0001.MOV"));

    views.groupList.checked.clear();
    commands.OnDelete();
    EXPECT_EQ(Texts(), (Strings{LoadLocalizedString(144) + ": " + LoadLocalizedString(135)}));

    views.groupList.checked = {0};
    commands.OnDelete();
    EXPECT_FALSE(fs::exists(card / "FILE0001.MOV"));
    EXPECT_TRUE(library.Files().empty());
}

TEST_F(FileCommands, SaveAsNeedsAnExistingFolder)
{
    LoadOne();
    views.groupList.checked = {0};
    commands.OnSaveAs();  // the picker was cancelled
    EXPECT_EQ(views.ui.folderTitles, (Strings{LoadLocalizedString(130)}));
    EXPECT_TRUE(views.ui.messages.empty());

    views.ui.folder = card / "missing";
    commands.OnSaveAs();
    ASSERT_EQ(views.ui.messages.size(), 1u);
    EXPECT_EQ(views.ui.messages[0].text, LoadLocalizedString(132));
    EXPECT_EQ(views.ui.messages[0].icon, CFileOperationUi::Icon::Exclamation);

    TempFolder target;
    views.ui.folder = target.Path();
    commands.OnSaveAs();
    EXPECT_TRUE(fs::exists(target / "FILE0001.MOV"));
    EXPECT_EQ(stops, 3);
}

TEST_F(FileCommands, KmlGoesToTheDocumentsFolderOrFails)
{
    LoadOne();
    TempFolder documents;
    const std::string name = "FILE0001_2012_05_06_10-20-30.KML";
    {
        DocumentsFolder use(documents.Path());
        commands.OnKml();
    }
    const std::string path = documents / "ZEL/KML/" + name;
    EXPECT_TRUE(fs::exists(path));
    std::string saved = LoadLocalizedString(125);
    saved.replace(saved.find("%s"), 2, path);
    EXPECT_EQ(Texts(), (Strings{LoadLocalizedString(127) + ": " + saved}));

    // A documents folder that cannot hold the KML folder fails the export.
    views.ui.messages.clear();
    WriteFile(documents / "file", {1});
    {
        DocumentsFolder use(documents / "file");
        commands.OnKml();
    }
    std::string failed = LoadLocalizedString(126);
    failed.replace(failed.find("%s"), 2, name);
    EXPECT_EQ(Texts(), (Strings{LoadLocalizedString(127) + ": " + failed}));
    EXPECT_FALSE(fs::exists(name));
    EXPECT_EQ(stops, 0);
}
