#pragma once

#include <string>
#include <utility>

// `folder` and `name` joined by one separator, however `folder` ends; paths
// built this way are shown to the user.
std::string JoinPath(const std::string& folder, const std::string& name);

// A chosen file split at its last separator into folder and name, as the
// library loads a single file; a bare name lies in the current folder.
std::pair<std::string, std::string> SplitFilePath(const std::string& path);
