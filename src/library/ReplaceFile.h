#pragma once

#include <string>
#include <string_view>

// Files the library writes land whole or not at all: the content goes to a
// hidden temporary name in the target folder, is flushed to the disk, and is
// then renamed over the target. A failure on the way (a full card, a source
// that cannot be read) leaves the target as it was and no temporary behind.

// Writes `content` as the file `path`, replacing an existing file.
bool WriteFileReplacing(const std::string& path, std::string_view content);

// Copies the file `source` to `target`, replacing an existing file; the copy
// keeps the source's permission bits, so a read-only recording stays so.
bool CopyFileReplacing(const std::string& source, const std::string& target);
