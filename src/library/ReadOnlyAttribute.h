#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The camera's manual lock (M) is the read-only attribute, which on this
// platform is a file its owner may not write.

// Gives the owner write permission. Returns the mode the file had before, so
// a caller whose next step fails can put it back; empty when the mode cannot
// be read or changed.
std::optional<std::uint32_t> ClearReadOnly(const std::string& path);

// Puts back a mode that ClearReadOnly returned.
bool RestoreMode(const std::string& path, std::uint32_t mode);
