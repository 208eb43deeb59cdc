#include "settings/CIniFile.h"

#include "TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A file as people leave them: comments, blank lines, odd spacing and case,
// keys the program does not know, and Windows line ends.
constexpr std::string_view kHandEdited =
    "; settings\r\n"
    "[ui]\r\n"
    "  langid = GER  \r\n"
    "Extra=keep me\r\n"
    "\r\n"
    "[Other]\r\n"
    "MAP=5\r\n";

TEST(SettingsIniFile, NamesCompareWithoutCaseAndValuesAreTrimmed)
{
    fixtures::TempFolder temp;
    const CIniFile ini(WriteText(temp / "Zel.ini", kHandEdited));

    EXPECT_EQ(ini.ReadString("UI", "LANGID"), "GER");
    EXPECT_EQ(ini.ReadString("Ui", "LangId"), "GER");
    EXPECT_EQ(ini.ReadString("OTHER", "map"), "5");
    // A key of another section is not visible in this one.
    EXPECT_EQ(ini.ReadString("UI", "MAP"), std::nullopt);
    EXPECT_EQ(ini.ReadString("WINPOS", "LEFT"), std::nullopt);
}

TEST(SettingsIniFile, WritesChangeOnlyWhatTheyMust)
{
    struct Case {
        const char* what;
        std::string_view before;
        const char* section;
        const char* key;
        const char* value;
        std::string_view expected;
    };
    const Case cases[] = {
        {"existing key updated in place, its spelling kept", kHandEdited, "UI", "LANGID", "ENG",
            "; settings\r\n[ui]\r\nlangid=ENG\r\nExtra=keep me\r\n\r\n[Other]\r\nMAP=5\r\n"},
        {"new key goes to the end of its section", kHandEdited, "UI", "MAP", "1",
            "; settings\r\n[ui]\r\n  langid = GER  \r\nExtra=keep me\r\nMAP=1\r\n\r\n[Other]\r\nMAP=5\r\n"},
        {"new section appended", kHandEdited, "WINPOS", "LEFT", "-20",
            "; settings\r\n[ui]\r\n  langid = GER  \r\nExtra=keep me\r\n\r\n[Other]\r\nMAP=5\r\n[WINPOS]\r\nLEFT=-20\r\n"},
        {"byte order mark kept and not taken for part of the first section", "\xEF\xBB\xBF[UI]\nMAP=0\n", "ui", "map", "1",
            "\xEF\xBB\xBF[UI]\nMAP=1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fixtures::TempFolder temp;
        CIniFile ini(WriteText(temp / "Zel.ini", c.before));
        ASSERT_TRUE(ini.WriteString(c.section, c.key, c.value));
        EXPECT_EQ(ReadText(ini.Path()), c.expected);
    }
}

TEST(SettingsIniFile, MissingFileReadsDefaultsAndIsCreatedOnWrite)
{
    fixtures::TempFolder temp;
    CIniFile ini(temp / "Zel.ini");

    EXPECT_EQ(ini.ReadString("UI", "LANGID"), std::nullopt);
    EXPECT_EQ(ini.ReadInt("WINPOS", "RIGHT", 800), 800);
    ASSERT_TRUE(ini.WriteInt("UI", "MAP", 1));
    ASSERT_TRUE(ini.WriteString("UI", "Folder", "/media/card/DCIM"));
    EXPECT_EQ(ReadText(ini.Path()), "[UI]\nMAP=1\nFolder=/media/card/DCIM\n");
}

TEST(SettingsIniFile, UnwritableLocationsAndLineBreakingValuesFail)
{
    fixtures::TempFolder temp;
    CIniFile missingFolder(temp / "gone/Zel.ini");
    EXPECT_FALSE(missingFolder.WriteInt("UI", "MAP", 1));
    EXPECT_FALSE(std::filesystem::exists(missingFolder.Path()));

    // A value holding a line break would turn into a second, forged key.
    CIniFile ini(WriteText(temp / "Zel.ini", "[UI]\nMAP=0\n"));
    EXPECT_FALSE(ini.WriteString("UI", "Folder", "/a\nMAP=1"));
    EXPECT_FALSE(ini.WriteString("UI", "A=B", "1"));
    EXPECT_EQ(ReadText(ini.Path()), "[UI]\nMAP=0\n");
}

TEST(SettingsIniFile, IntegersReadLikeThePlatform)
{
    struct Case {
        const char* line; // nullptr: no key at all
        int expected;
    };
    const Case cases[] = {
        {nullptr, 42},
        {"V=", 42},
        {"V=7", 7},
        {"V=-2", -2},
        {"V= +12px", 12},
        {"V=3.9", 3},
        {"V=abc", 0},
        {"V=-", 0},
        {"V=\"5\"", 5},
        {"V=99999999999", INT_MAX},
        {"V=-99999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line ? c.line : "(no key)");
        fixtures::TempFolder temp;
        const CIniFile ini(WriteText(temp / "Zel.ini", std::string("[S]\n") + (c.line ? c.line : "") + "\n"));
        EXPECT_EQ(ini.ReadInt("S", "V", 42), c.expected);
    }
}

TEST(SettingsIniFile, IntegersAreWrittenAsPlainDecimal)
{
    fixtures::TempFolder temp;
    CIniFile ini(temp / "Zel.ini");
    for (const int value : {0, -5, INT_MIN, INT_MAX}) {
        ASSERT_TRUE(ini.WriteInt("S", "V", value));
        EXPECT_EQ(ini.ReadString("S", "V"), std::to_string(value));
    }
}

} // namespace
