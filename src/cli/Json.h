#pragma once

#include <string>

// Quotes and escapes a UTF-8 string for JSON.
std::string JsonString(const std::string& s);
// A double in JSON: finite values with up to 6 decimals, otherwise null.
std::string JsonNumber(double v, int decimals = 6);
