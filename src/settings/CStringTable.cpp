#include "settings/CStringTable.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

struct Fields {
    std::string_view first;
    std::string_view code;
    std::string_view rest;
};

// The text is everything after the second tab, so it may hold tabs itself.
std::optional<Fields> SplitFields(std::string_view line)
{
    const auto tab1 = line.find('\t');
    if (tab1 == std::string_view::npos)
        return std::nullopt;
    const auto tab2 = line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos)
        return std::nullopt;
    return Fields{line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)};
}

template <typename T>
std::optional<T> ParseNumber(std::string_view s)
{
    T value{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty())
        return std::nullopt;
    return value;
}

[[noreturn]] void Fail(std::size_t lineNumber, const std::string& why)
{
    throw std::runtime_error("string table line " + std::to_string(lineNumber) + ": " + why);
}

} // namespace

CStringTable CStringTable::Parse(std::string_view data)
{
    CStringTable table;
    std::map<std::string, std::uint16_t, std::less<>> tableOfCode;
    std::set<std::pair<std::uint16_t, unsigned>> seen;
    std::size_t lineNumber = 0;
    while (!data.empty()) {
        const auto end = std::min(data.find('\n'), data.size());
        std::string_view line = data.substr(0, end);
        data.remove_prefix(std::min(end + 1, data.size()));
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;

        const auto fields = SplitFields(line);
        if (!fields)
            Fail(lineNumber, "expected three tab-separated fields");
        if (fields->first == "table") {
            const auto id = ParseNumber<std::uint16_t>(fields->rest);
            if (!id)
                Fail(lineNumber, "bad language id");
            if (!tableOfCode.emplace(std::string(fields->code), *id).second)
                Fail(lineNumber, "table declared twice");
            table.m_tables.push_back(*id);
            continue;
        }
        const auto stringId = ParseNumber<unsigned>(fields->first);
        if (!stringId)
            Fail(lineNumber, "bad string ID");
        const auto code = tableOfCode.find(fields->code);
        if (code == tableOfCode.end())
            Fail(lineNumber, "undeclared language code");
        if (!seen.emplace(code->second, *stringId).second)
            Fail(lineNumber, "text given twice");
        table.m_entries.push_back({code->second, *stringId, std::string(fields->rest)});
    }
    return table;
}

const CStringTable& CStringTable::Compiled()
{
    static const CStringTable compiled = Parse(CompiledData());
    return compiled;
}

bool CStringTable::HasTable(std::uint16_t tableId) const
{
    return std::find(m_tables.begin(), m_tables.end(), tableId) != m_tables.end();
}

std::string_view CStringTable::Find(std::uint16_t tableId, unsigned stringId) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
        [&](const Entry& e) { return e.tableId == tableId && e.stringId == stringId; });
    return it == m_entries.end() ? std::string_view() : std::string_view(it->text);
}
