#pragma once

#include "media/RecordingFile.h"

#include <string>

// The name an exported track of a recording gets: the recording's name
// without its extension, its local start time and `extension`, for example
// FILE0001_2012_05_06_10-20-30.KML.
std::string TrackFileName(const RecordingFile& file, const std::string& extension);
