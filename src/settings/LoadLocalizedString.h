#pragma once

#include <cstdint>
#include <string>

class CStringTable;

// The text of a string ID in the current language of the settings object;
// empty when no table has it.
std::string LoadLocalizedString(unsigned id);

// The same lookup for a given language id over given tables: the table
// stored under that exact id, else the one of its primary language with
// neutral sub-language; when that gives no text, the Japanese table.
std::string LoadLocalizedString(unsigned id, std::uint16_t languageId, const CStringTable& tables);
