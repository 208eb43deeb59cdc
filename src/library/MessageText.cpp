#include "library/MessageText.h"

#include "settings/LoadLocalizedString.h"

std::string MessageText(unsigned id, std::string_view argument)
{
    std::string text = LoadLocalizedString(id);
    if (const std::size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}
