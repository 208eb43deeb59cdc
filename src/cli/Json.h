#pragma once

#include "media/VideoFileInfo.h"

#include <string>

// Quotes and escapes a UTF-8 string for JSON.
std::string JsonString(const std::string& s);
// A double in JSON: finite values with up to 6 decimals, otherwise null.
std::string JsonNumber(double v, int decimals = 6);
// The parser's record as JSON members (no braces), in the order the probe prints them.
std::string VideoFileInfoFields(const VideoFileInfo& info);
