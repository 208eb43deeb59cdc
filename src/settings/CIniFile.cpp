#include "settings/CIniFile.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The file as lines, with what is needed to write it back byte for byte
// apart from the changed line.
struct IniText {
    std::string bom;
    std::string eol = "\n";
    std::vector<std::string> lines;
};

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// Where a key lives, or where it would be inserted.
struct KeyLocation {
    std::optional<std::size_t> section;
    std::size_t sectionEnd = 0; // after the last non-blank line of the section
    std::optional<std::size_t> key;
};

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    return Trim(line.substr(1, line.find(']') - 1));
}

std::optional<KeyLine> ParseKeyLine(std::string_view line)
{
    line = Trim(line);
    const auto eq = line.find('=');
    if (line.empty() || line.front() == ';' || line.front() == '[' || eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

// A missing file reads as empty; one that exists but cannot be read gives no
// text, so a write never replaces content it could not see.
std::optional<IniText> Load(const std::filesystem::path& path)
{
    IniText text;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec) || ec)
            return std::nullopt;
        return text;
    }
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (content.starts_with(kUtf8Bom)) {
        text.bom = kUtf8Bom;
        content.erase(0, kUtf8Bom.size());
    }
    std::size_t start = 0;
    while (start < content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            if (text.lines.empty())
                text.eol = "\r\n";
        }
        text.lines.push_back(std::move(line));
        start = end + 1;
    }
    return text;
}

bool Save(const std::filesystem::path& path, const IniText& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text.bom;
    for (const auto& line : text.lines)
        out << line << text.eol;
    out.close();
    return !out.fail();
}

// Only the first section of a name counts, as with the platform functions.
KeyLocation Locate(const IniText& text, std::string_view section, std::string_view key)
{
    KeyLocation where;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const auto& line = text.lines[i];
        if (const auto name = SectionName(line)) {
            if (where.section)
                break;
            if (EqualsNoCase(*name, section)) {
                where.section = i;
                where.sectionEnd = i + 1;
            }
            continue;
        }
        if (!where.section)
            continue;
        if (!Trim(line).empty())
            where.sectionEnd = i + 1;
        const auto entry = ParseKeyLine(line);
        if (!where.key && entry && EqualsNoCase(entry->key, key))
            where.key = i;
    }
    return where;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool BreaksLines(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Leading blanks, an optional sign and decimal digits; anything after the
// digits is ignored and a value without digits is 0, as the platform reads
// integers. Values beyond the int range stop at its limits.
int ParseInt(std::string_view s)
{
    s = Trim(s);
    const bool negative = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    std::int64_t magnitude = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            break;
        magnitude = std::min<std::int64_t>(magnitude * 10 + (c - '0'), std::int64_t{INT_MAX} + 1);
    }
    const std::int64_t value = negative ? -magnitude : std::min<std::int64_t>(magnitude, INT_MAX);
    return static_cast<int>(value);
}

} // namespace

CIniFile::CIniFile(std::filesystem::path path)
    : m_path(std::move(path))
{
}

std::optional<std::string> CIniFile::ReadString(std::string_view section, std::string_view key) const
{
    const auto text = Load(m_path);
    if (!text)
        return std::nullopt;
    const auto where = Locate(*text, section, key);
    if (!where.key)
        return std::nullopt;
    return std::string(Unquote(ParseKeyLine(text->lines[*where.key])->value));
}

int CIniFile::ReadInt(std::string_view section, std::string_view key, int def) const
{
    const auto value = ReadString(section, key);
    if (!value || value->empty())
        return def;
    return ParseInt(*value);
}

bool CIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (BreaksLines(section) || BreaksLines(key) || BreaksLines(value) || section.find(']') != std::string_view::npos
        || key.find('=') != std::string_view::npos || Trim(key).empty())
        return false;

    auto text = Load(m_path);
    if (!text)
        return false;
    const auto where = Locate(*text, section, key);
    if (where.key) {
        // The stored spelling of the key is kept so the edit touches only the value.
        auto& line = text->lines[*where.key];
        line = std::string(ParseKeyLine(line)->key) + "=" + std::string(value);
    } else {
        const std::string entry = std::string(key) + "=" + std::string(value);
        if (where.section) {
            text->lines.insert(text->lines.begin() + static_cast<std::ptrdiff_t>(where.sectionEnd), entry);
        } else {
            text->lines.push_back("[" + std::string(section) + "]");
            text->lines.push_back(entry);
        }
    }
    return Save(m_path, *text);
}

bool CIniFile::WriteInt(std::string_view section, std::string_view key, int value)
{
    char digits[16];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return WriteString(section, key, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}
