#include "settings/CLanguageTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<LanguageEntry, 16> kRows{{
    {"ENG", "English", 9, 1},
    {"CHS", "简体中文", 4, 2},
    {"CHT", "繁體中文", 4, 1},
    {"ESP", "español", 10, 1},
    {"RUS", "русский", 25, 1},
    {"POR", "português", 22, 2},
    {"JPN", "日本語", 17, 1},
    {"GER", "Deutsch", 7, 1},
    {"FRA", "français", 12, 1},
    {"KOR", "한국의", 18, 1},
    {"ITA", "italiano", 16, 1},
    {"LAT", "Latviski", 38, 1},
    {"POL", "Polski", 21, 1},
    {"ROM", "Română", 24, 1},
    // Slovak, although the code reads like Slovenian; stored files depend on it.
    {"SLV", "Slovenčina", 27, 1},
    {"UKR", "Українська", 34, 1},
}};

static_assert(kRows[CLanguageTable::kEnglishRow].code == "ENG");
static_assert(kRows[CLanguageTable::kJapaneseRow].code == "JPN");

} // namespace

std::span<const LanguageEntry> CLanguageTable::Rows()
{
    return kRows;
}

int CLanguageTable::IndexOfCode(std::string_view code)
{
    const auto it = std::find_if(kRows.begin(), kRows.end(), [code](const LanguageEntry& row) { return row.code == code; });
    return it == kRows.end() ? -1 : static_cast<int>(it - kRows.begin());
}
