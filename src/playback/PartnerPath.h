#pragma once

#include <string>

// The second camera's recording that belongs to `path`: the same name with
// the character before the extension made "R", in the same folder or else in
// the sibling folder whose name's last character is made "R" as well. Empty
// when neither file exists. A front recording whose name already ends in "R"
// is its own partner.
std::string PartnerPath(const std::string& path);
