#pragma once

#include "media/CZelVideoParser.h"

#include <memory>
#include <string>

// The camera names its AVI files in upper case: exactly ".AVI" selects the
// AVI parser, every other name is tried as MOV/3GP.
std::unique_ptr<CZelVideoParser> ParserForName(const std::string& name);
