#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// An INI file read and written with the semantics of the Windows
// private-profile functions, so a Zel.ini edited by hand or carried over from
// another installation behaves the same: section and key names compare
// case-insensitively, values are trimmed, an existing key is updated in place
// and every other line (comments, unknown keys, other sections) is kept.
// Every call goes to the file; nothing is cached between calls.
class CIniFile {
public:
    explicit CIniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return m_path; }

    // Empty optional when the file, the section or the key is missing.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

    // The leading signed decimal number of the value; `def` when the key is
    // missing or empty, 0 when the value does not start with a number.
    int ReadInt(std::string_view section, std::string_view key, int def) const;

    // Creates the file and the section when missing. False when the file
    // cannot be written or a name or value would break the line structure.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);

private:
    std::filesystem::path m_path;
};
