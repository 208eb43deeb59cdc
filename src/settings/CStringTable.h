#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The localised texts of all languages, keyed by the language id a table is
// stored under and the string ID. The texts are kept in one UTF-8 data file
// that the build compiles in (see Compiled); its format, one item a line:
//   table <TAB> language code <TAB> language id the table is stored under
//   string ID <TAB> language code <TAB> text
// Blank lines and lines starting with '#' are ignored. A table must be
// declared before its first text.
class CStringTable {
public:
    struct Entry {
        std::uint16_t tableId;
        unsigned stringId;
        std::string text;
    };

    // Throws std::runtime_error naming the line when the data is malformed,
    // so a broken data file cannot silently lose texts.
    static CStringTable Parse(std::string_view data);

    // The tables built into the program, parsed on first use.
    static const CStringTable& Compiled();

    bool HasTable(std::uint16_t tableId) const;
    // Empty when the table lacks the ID.
    std::string_view Find(std::uint16_t tableId, unsigned stringId) const;
    const std::vector<Entry>& Entries() const { return m_entries; }

private:
    // Defined in the source generated from the data file.
    static std::string_view CompiledData();

    std::vector<std::uint16_t> m_tables;
    std::vector<Entry> m_entries;
};
