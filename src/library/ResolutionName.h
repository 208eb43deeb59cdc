#pragma once

#include <string>

// The short name the group list shows for a picture size (FHD, HD, VGA...);
// "WxH" for a size without a name, empty when either side is 0.
std::string ResolutionName(unsigned width, unsigned height);
