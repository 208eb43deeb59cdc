#pragma once

#include "settings/CIniFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The main window's outer rectangle in screen pixels, right and bottom exclusive.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const WindowRect&) const = default;
};

// The user's choices kept between runs in Zel.ini. Every change goes to the
// file when it is made; only the language is held in memory, since it is read
// once at start-up and asked for before every text lookup.
class CIniSettings {
public:
    static constexpr std::string_view kSectionUi = "UI";
    static constexpr std::string_view kSectionWinPos = "WINPOS";
    static constexpr std::string_view kKeyLanguage = "LANGID";
    static constexpr std::string_view kKeyMap = "MAP";
    static constexpr std::string_view kKeyMapEnable = "MAP_ENABLE";
    static constexpr std::string_view kKeyGSensorEnable = "GSNR_ENABLE";
    static constexpr std::string_view kKeyFolder = "Folder";
    static constexpr std::string_view kKeyLeft = "LEFT";
    static constexpr std::string_view kKeyTop = "TOP";
    static constexpr std::string_view kKeyRight = "RIGHT";
    static constexpr std::string_view kKeyBottom = "BOTTOM";

    // The process-wide settings, on Zel.ini in the directory that is current
    // at the first call.
    static CIniSettings& Instance();

    // Settings on the given file; reads the stored language at once.
    explicit CIniSettings(std::filesystem::path iniPath);

    const std::filesystem::path& Path() const { return m_file.Path(); }

    int LanguageIndex() const { return m_languageIndex; }
    std::uint16_t LanguageId() const;
    // Makes a row of the language table current and stores its code. Rows
    // outside the table change and write nothing. True when the write worked;
    // the new language stays in effect for this run either way.
    bool SetLanguage(int index);

    int ReadInt(std::string_view section, std::string_view key, int def) const;
    bool WriteInt(std::string_view section, std::string_view key, int value);
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // 0 = the "Google Map" page, 1 = the "China Map" page. Always read from
    // the file, clamped, and remembered as the current choice.
    int ReadMapChoice();
    int MapChoice() const { return m_mapChoice; }
    bool WriteMapChoice(int choice);

    // The last media source folder; empty when none is stored or it no longer exists.
    std::string ReadSourceFolder() const;

    // The stored main window rectangle made to fit a screen of the given size.
    WindowRect ReadWindowRect(int screenWidth, int screenHeight) const;
    bool WriteWindowRect(const WindowRect& rect);

    // The KML export folder below the user's documents folder, ending with
    // '/', created when missing. Empty when there is no documents folder or
    // the export folder cannot be made.
    static std::optional<std::string> KmlFolderPath();

private:
    CIniFile m_file;
    int m_languageIndex = 0;
    int m_mapChoice = 0;
};
