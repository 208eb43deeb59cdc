#include "settings/CIniSettings.h"

#include "settings/CLanguageTable.h"
#include "TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(SettingsIni, StoredLanguageIsReadAtCreation)
{
    struct Case {
        const char* content; // nullptr: no file
        int expectedRow;
    };
    const Case cases[] = {
        {nullptr, CLanguageTable::kEnglishRow},
        {"[UI]\nMAP=1\n", CLanguageTable::kEnglishRow},
        {"[UI]\nLANGID=ESP\n", 3},
        {"[ui]\nlangid=SLV\n", 14},
        // The code itself is matched exactly; anything else means Japanese.
        {"[UI]\nLANGID=eng\n", CLanguageTable::kJapaneseRow},
        {"[UI]\nLANGID=XYZ\n", CLanguageTable::kJapaneseRow},
        {"[UI]\nLANGID=\n", CLanguageTable::kJapaneseRow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content ? c.content : "(no file)");
        fixtures::TempFolder temp;
        const std::filesystem::path path = temp / "Zel.ini";
        if (c.content)
            WriteText(path, c.content);
        const CIniSettings settings(path);
        EXPECT_EQ(settings.LanguageIndex(), c.expectedRow);
        EXPECT_EQ(settings.LanguageId(), CLanguageTable::Row(c.expectedRow).LanguageId());
    }
}

TEST(SettingsIni, SetLanguageStoresTheCodeForTheNextStart)
{
    fixtures::TempFolder temp;
    CIniSettings settings(temp / "Zel.ini");

    ASSERT_TRUE(settings.SetLanguage(7));
    EXPECT_EQ(settings.LanguageId(), 1031);
    EXPECT_EQ(CIniSettings(settings.Path()).LanguageIndex(), 7);

    for (const int outside : {-1, 16}) {
        EXPECT_FALSE(settings.SetLanguage(outside));
        EXPECT_EQ(settings.LanguageIndex(), 7);
    }
    EXPECT_EQ(ReadText(settings.Path()), "[UI]\nLANGID=GER\n");
}

TEST(SettingsIni, FailedLanguageWriteStillSwitchesForThisRun)
{
    fixtures::TempFolder temp;
    CIniSettings settings(temp / "gone/Zel.ini");
    EXPECT_FALSE(settings.SetLanguage(9));
    EXPECT_EQ(settings.LanguageIndex(), 9);
}

TEST(SettingsIni, MapChoiceIsClampedOnEveryRead)
{
    struct Case {
        const char* content;
        int expected;
    };
    const Case cases[] = {
        {"", 0},
        {"[UI]\nMAP=1\n", 1},
        {"[UI]\nMAP=7\n", 1},
        {"[UI]\nMAP=-2\n", 0},
        {"[UI]\nMAP=china\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        fixtures::TempFolder temp;
        CIniSettings settings(WriteText(temp / "Zel.ini", c.content));
        EXPECT_EQ(settings.ReadMapChoice(), c.expected);
        EXPECT_EQ(settings.MapChoice(), c.expected);
    }

    // Another writer's change is seen at the next read, not a remembered value.
    fixtures::TempFolder temp;
    CIniSettings settings(WriteText(temp / "Zel.ini", "[UI]\nMAP=0\n"));
    ASSERT_EQ(settings.ReadMapChoice(), 0);
    ASSERT_TRUE(CIniFile(settings.Path()).WriteInt("UI", "MAP", 3));
    EXPECT_EQ(settings.ReadMapChoice(), 1);
}

TEST(SettingsIni, SourceFolderReadsEmptyWhenNoLongerAFolder)
{
    fixtures::TempFolder temp;
    const std::string card = temp / "card";
    std::filesystem::create_directory(card);
    const auto file = WriteText(temp / "FILE0001.MOV", "x");
    CIniSettings settings(temp / "Zel.ini");

    EXPECT_EQ(settings.ReadSourceFolder(), "");
    ASSERT_TRUE(settings.WriteString("UI", "Folder", card));
    EXPECT_EQ(settings.ReadSourceFolder(), card);

    std::filesystem::remove(card);
    EXPECT_EQ(settings.ReadSourceFolder(), "");
    ASSERT_TRUE(settings.WriteString("UI", "Folder", file.string()));
    EXPECT_EQ(settings.ReadSourceFolder(), "");
}

TEST(SettingsIni, WindowRectFitsTheScreen)
{
    struct Case {
        const char* what;
        const char* winpos; // lines of the WINPOS section
        int screenWidth;
        int screenHeight;
        WindowRect expected;
    };
    const Case cases[] = {
        {"nothing stored", "", 1280, 800, {0, 0, 800, 560}},
        {"stored rectangle kept", "LEFT=10\nTOP=20\nRIGHT=1010\nBOTTOM=720\n", 1280, 800, {10, 20, 1010, 720}},
        {"too narrow raised to the minimum", "LEFT=100\nRIGHT=300\n", 1280, 800, {100, 0, 900, 560}},
        {"negative start moved onto the screen", "LEFT=-50\nTOP=-9\nRIGHT=850\nBOTTOM=600\n", 1280, 800, {0, 0, 900, 609}},
        {"past the right and bottom edges ends at them", "LEFT=2000\nTOP=900\nRIGHT=2800\nBOTTOM=1460\n", 1280, 800,
            {480, 240, 1280, 800}},
        {"larger than the screen clipped to it", "RIGHT=3000\nBOTTOM=2000\n", 1280, 800, {0, 0, 1280, 800}},
        {"screen below the minimum wins", "", 640, 480, {0, 0, 640, 480}},
        {"extreme values do not overflow", "LEFT=-2147483648\nTOP=2147483647\nRIGHT=2147483647\nBOTTOM=-2147483648\n",
            1280, 800, {0, 240, 1280, 800}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fixtures::TempFolder temp;
        const CIniSettings settings(WriteText(temp / "Zel.ini", std::string("[WINPOS]\n") + c.winpos));
        EXPECT_EQ(settings.ReadWindowRect(c.screenWidth, c.screenHeight), c.expected);
    }
}

TEST(SettingsIni, WrittenWindowRectIsReadBackAtTheNextStart)
{
    fixtures::TempFolder temp;
    CIniSettings settings(WriteText(temp / "Zel.ini", "[UI]\nLANGID=FRA\n"));
    ASSERT_TRUE(settings.WriteWindowRect({30, 40, 1030, 740}));
    EXPECT_EQ(ReadText(settings.Path()),
        "[UI]\nLANGID=FRA\n[WINPOS]\nLEFT=30\nTOP=40\nRIGHT=1030\nBOTTOM=740\n");
    EXPECT_EQ(CIniSettings(settings.Path()).ReadWindowRect(1920, 1080), (WindowRect{30, 40, 1030, 740}));
}

TEST(SettingsIni, InstanceLivesOnZelIniInTheCurrentDirectory)
{
    CIniSettings& settings = CIniSettings::Instance();
    EXPECT_EQ(&settings, &CIniSettings::Instance());
    EXPECT_EQ(settings.Path(), std::filesystem::current_path() / "Zel.ini");
}

} // namespace
