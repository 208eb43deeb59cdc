#pragma once

#include <string>

// Creates `path` and every missing parent folder. Returns nonzero when the
// last folder was created by this call, 0 when it already existed or could
// not be made.
int CreateFolderTree(const std::string& path);
