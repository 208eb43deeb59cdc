#pragma once

#include <cstdint>
#include <functional>
#include <string>

// What the walk knows of one entry without opening it.
struct FindData {
    std::uint64_t size = 0;
    std::int64_t modifiedTime = 0;  // seconds since 1970
    bool readOnly = false;          // the owner may not write
};

struct WalkEntry {
    const std::string& root;          // the walked folder, ending with '/'
    const std::string& relativePath;  // the entry's folder below root, ending with '/'; empty at the top
    const std::string& name;
    const FindData& data;
    bool isFolder;
};

enum class WalkOutcome { Completed, FolderMissing };

// Visits every entry below `root`, depth first: a sub-folder is entered as
// soon as it is met, before the rest of its parent. Hidden entries (a leading
// '.', or the hidden/system attribute on a FAT card) are skipped with
// everything below them, as are folders more than 40 levels deep.
WalkOutcome WalkFolder(std::string root, const std::function<void(const WalkEntry&)>& visitor);
