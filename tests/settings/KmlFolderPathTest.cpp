#include "settings/CIniSettings.h"

#include "ScopedEnv.h"
#include "TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>


namespace {

TEST(SettingsKmlFolder, CreatesTheFolderBelowTheDocumentsFolder)
{
    fixtures::TempFolder temp;
    const std::string root = temp.Path();
    std::filesystem::create_directory(temp / "docs");

    struct Case {
        const char* what;
        std::optional<std::string> xdgDocuments;
        std::optional<std::string> home;
        std::string expected;
    };
    const Case cases[] = {
        {"documents folder from XDG", root + "/docs", root, root + "/docs/ZEL/KML/"},
        {"trailing separator not doubled", root + "/docs/", std::nullopt, root + "/docs/ZEL/KML/"},
        {"Documents below HOME, made when missing", std::nullopt, root, root + "/Documents/ZEL/KML/"},
        {"relative XDG value ignored", "docs", root, root + "/Documents/ZEL/KML/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScopedEnv xdg("XDG_DOCUMENTS_DIR", c.xdgDocuments);
        const ScopedEnv home("HOME", c.home);
        EXPECT_EQ(CIniSettings::KmlFolderPath(), c.expected);
        EXPECT_TRUE(std::filesystem::is_directory(c.expected));
        // The second call finds the folder made by the first.
        EXPECT_EQ(CIniSettings::KmlFolderPath(), c.expected);
    }
}

TEST(SettingsKmlFolder, FailsWithoutWritingAnywhereElse)
{
    fixtures::TempFolder temp;
    const std::string root = temp.Path();
    WriteText(temp / "plainfile", "x");
    std::filesystem::create_directory(temp / "blocked");
    WriteText(temp / "blocked/ZEL", "x");

    struct Case {
        const char* what;
        std::optional<std::string> xdgDocuments;
        std::optional<std::string> home;
    };
    const Case cases[] = {
        {"no documents folder known", std::nullopt, std::nullopt},
        {"only a relative documents folder", "docs", std::nullopt},
        {"documents folder is a file", root + "/plainfile", std::nullopt},
        {"a file where ZEL should be", root + "/blocked", std::nullopt},
        {"documents folder cannot be written, even by root", "/proc", std::nullopt},
    };
    const auto here = std::filesystem::current_path();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScopedEnv xdg("XDG_DOCUMENTS_DIR", c.xdgDocuments);
        const ScopedEnv home("HOME", c.home);
        EXPECT_EQ(CIniSettings::KmlFolderPath(), std::nullopt);
        EXPECT_FALSE(std::filesystem::exists(here / "ZEL"));
        EXPECT_FALSE(std::filesystem::exists(here / "docs"));
    }
}

} // namespace
