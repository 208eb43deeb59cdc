#include "media/ParserForName.h"

#include "media/CZel3gpParser.h"
#include "media/CZelAviParser.h"

std::unique_ptr<CZelVideoParser> ParserForName(const std::string& name)
{
    if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".AVI") == 0)
        return std::make_unique<CZelAviParser>();
    return std::make_unique<CZel3gpParser>();
}
