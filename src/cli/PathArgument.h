#pragma once

#include "cli/Commands.h"

#include <optional>
#include <string>

struct PathArgument {
    std::string path;
    bool json = false;
};

// One path and an optional "--json"; empty when the arguments are anything else.
std::optional<PathArgument> ParsePathArgument(const Arguments& args);
