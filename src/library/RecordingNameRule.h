#pragma once

#include <cstdint>
#include <string_view>

// The camera names its recordings with four name characters and four digits
// (ABCD1234.MOV, 20120506101010.MOV); its AVI files keep the 8.3 form. A
// folder scan offers only such names to the parsers.
bool PassesRecordingNameRule(std::string_view name);

// The lock marks of a recording: LOCK_G when the camera marked its name (the
// fourth character is a capital G), LOCK_M when the file is read-only.
std::uint32_t RecordingLockFlags(std::string_view name, bool readOnly);
