#include "cli/PathArgument.h"

std::optional<PathArgument> ParsePathArgument(const Arguments& args)
{
    PathArgument parsed;
    for (const std::string& a : args) {
        if (a == "--json")
            parsed.json = true;
        else if (parsed.path.empty())
            parsed.path = a;
        else
            return std::nullopt;
    }
    if (parsed.path.empty())
        return std::nullopt;
    return parsed;
}
