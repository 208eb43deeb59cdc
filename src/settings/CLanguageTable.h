#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// One user-interface language. The code is what Zel.ini stores; the row order
// is the order of the language choice and the index kept in memory.
struct LanguageEntry {
    std::string_view code;
    std::string_view nativeName;
    std::uint16_t primaryId;
    std::uint16_t subId;

    // The Windows language identifier the string tables are keyed by.
    constexpr std::uint16_t LanguageId() const { return static_cast<std::uint16_t>(subId * 1024 + primaryId); }
};

// The fixed table of the 16 languages.
class CLanguageTable {
public:
    static constexpr int kEnglishRow = 0;
    // The language of last resort: a stored code that matches no row selects
    // it, and its strings fill any gap in another language's table.
    static constexpr int kJapaneseRow = 6;

    static std::span<const LanguageEntry> Rows();
    static int Count() { return static_cast<int>(Rows().size()); }
    // Precondition: 0 <= row < Count().
    static const LanguageEntry& Row(int row) { return Rows()[static_cast<std::size_t>(row)]; }
    // Exact, case-sensitive match of the whole code; -1 when no row has it.
    static int IndexOfCode(std::string_view code);
};
