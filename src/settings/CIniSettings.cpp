#include "settings/CIniSettings.h"

#include "library/CreateFolderTree.h"
#include "settings/CLanguageTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <utility>

namespace {

constexpr int kMinWindowWidth = 800;
constexpr int kMinWindowHeight = 560;

// One axis of the stored rectangle: the size raised to the minimum, then
// lowered to the screen (so a screen smaller than the minimum wins), and the
// start moved so the window stays on the screen. 64-bit, because the stored
// values are whatever the file holds.
std::pair<int, int> FitSpan(int start, int end, int minimum, int screen)
{
    const std::int64_t size = std::min<std::int64_t>(std::max<std::int64_t>(std::int64_t{end} - start, minimum), screen);
    std::int64_t pos = std::max(start, 0);
    if (start > screen - size)
        pos = screen - size;
    return {static_cast<int>(pos), static_cast<int>(pos + size)};
}

// Only absolute folders count: a relative one would put the export below
// whatever directory happens to be current.
std::optional<std::string> DocumentsFolder()
{
    const char* xdg = std::getenv("XDG_DOCUMENTS_DIR");
    if (xdg && std::filesystem::path(xdg).is_absolute())
        return std::string(xdg);
    const char* home = std::getenv("HOME");
    if (home && std::filesystem::path(home).is_absolute())
        return (std::filesystem::path(home) / "Documents").string();
    return std::nullopt;
}

} // namespace

CIniSettings& CIniSettings::Instance()
{
    // A current directory that has been removed leaves a relative name,
    // which fails on write like any unwritable location.
    static CIniSettings settings = [] {
        std::error_code ec;
        return CIniSettings(std::filesystem::current_path(ec) / "Zel.ini");
    }();
    return settings;
}

CIniSettings::CIniSettings(std::filesystem::path iniPath)
    : m_file(std::move(iniPath))
    , m_languageIndex(CLanguageTable::kJapaneseRow)
{
    // A missing key means English; a code that matches no row leaves Japanese.
    const auto code = m_file.ReadString(kSectionUi, kKeyLanguage).value_or("ENG");
    if (const int row = CLanguageTable::IndexOfCode(code); row >= 0)
        m_languageIndex = row;
}

std::uint16_t CIniSettings::LanguageId() const
{
    return CLanguageTable::Row(m_languageIndex).LanguageId();
}

bool CIniSettings::SetLanguage(int index)
{
    if (index < 0 || index >= CLanguageTable::Count())
        return false;
    m_languageIndex = index;
    return m_file.WriteString(kSectionUi, kKeyLanguage, CLanguageTable::Row(index).code);
}

int CIniSettings::ReadInt(std::string_view section, std::string_view key, int def) const
{
    return m_file.ReadInt(section, key, def);
}

bool CIniSettings::WriteInt(std::string_view section, std::string_view key, int value)
{
    return m_file.WriteInt(section, key, value);
}

bool CIniSettings::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    return m_file.WriteString(section, key, value);
}

int CIniSettings::ReadMapChoice()
{
    m_mapChoice = std::clamp(m_file.ReadInt(kSectionUi, kKeyMap, 0), 0, 1);
    return m_mapChoice;
}

bool CIniSettings::WriteMapChoice(int choice)
{
    m_mapChoice = std::clamp(choice, 0, 1);
    return m_file.WriteInt(kSectionUi, kKeyMap, m_mapChoice);
}

std::string CIniSettings::ReadSourceFolder() const
{
    auto folder = m_file.ReadString(kSectionUi, kKeyFolder).value_or("");
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec))
        return {};
    return folder;
}

WindowRect CIniSettings::ReadWindowRect(int screenWidth, int screenHeight) const
{
    const auto [left, right] = FitSpan(m_file.ReadInt(kSectionWinPos, kKeyLeft, 0),
        m_file.ReadInt(kSectionWinPos, kKeyRight, kMinWindowWidth), kMinWindowWidth, screenWidth);
    const auto [top, bottom] = FitSpan(m_file.ReadInt(kSectionWinPos, kKeyTop, 0),
        m_file.ReadInt(kSectionWinPos, kKeyBottom, kMinWindowHeight), kMinWindowHeight, screenHeight);
    return {left, top, right, bottom};
}

bool CIniSettings::WriteWindowRect(const WindowRect& rect)
{
    // A failed write does not stop the others, so as much of the rectangle
    // as possible survives to the next start.
    bool written = m_file.WriteInt(kSectionWinPos, kKeyLeft, rect.left);
    written = m_file.WriteInt(kSectionWinPos, kKeyTop, rect.top) && written;
    written = m_file.WriteInt(kSectionWinPos, kKeyRight, rect.right) && written;
    written = m_file.WriteInt(kSectionWinPos, kKeyBottom, rect.bottom) && written;
    return written;
}

std::optional<std::string> CIniSettings::KmlFolderPath()
{
    const auto documents = DocumentsFolder();
    if (!documents)
        return std::nullopt;
    std::string folder = *documents;
    if (!folder.ends_with('/'))
        folder += '/';
    folder += "ZEL/KML/";
    // Judged by the folder being there afterwards, so one made meanwhile by
    // another process counts as success and a file in the way as failure.
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        CreateFolderTree(folder);
    if (!std::filesystem::is_directory(folder, ec))
        return std::nullopt;
    return folder;
}
