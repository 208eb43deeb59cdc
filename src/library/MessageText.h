#pragma once

#include <string>
#include <string_view>

// The text of a string ID in the user's language with its "%s" replaced by
// `argument`. The texts come from translators' data, so they are never used
// as a printf format.
std::string MessageText(unsigned id, std::string_view argument = {});
