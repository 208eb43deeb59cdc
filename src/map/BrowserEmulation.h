#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// On Windows the embedded browser control runs a page in an old
// compatibility mode unless the program is registered with an emulation value
// that suits the installed browser's version, and a browser older than
// version 9 cannot show the maps at all. That browser does not exist here, so
// only the decision is kept: no registry is read or written.

// The major number of a version text such as "11.0.9600.16428": the part
// before the first '.', read as a decimal integer the way the C library does
// (leading blanks and a sign allowed, reading stops at the first non-digit).
// 0 when there is no '.' or nothing before it.
int VersionMajor(std::string_view versionText);

// The browser's major version from its two stored version values (absent
// when missing or unreadable): "svcVersion" wins when it says 9 or more,
// otherwise "Version" decides when present. A text longer than the 24
// characters the reader has room for counts as unreadable.
int BrowserMajorVersion(const std::optional<std::string>& svcVersion, const std::optional<std::string>& version);

// The emulation value for a major version; none below 9, where the maps
// cannot run and the user is warned instead.
std::optional<std::uint32_t> BrowserEmulationValue(int majorVersion);
