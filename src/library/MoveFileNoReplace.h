#pragma once

#include <string>

// Renames `from` to `to` but never over an existing file: the new name of an
// unlocked recording may already belong to another recording.
bool MoveFileNoReplace(const std::string& from, const std::string& to);
