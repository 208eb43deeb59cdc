#include "settings/dialog/LocalizedText.h"

#include "settings/CIniSettings.h"
#include "settings/CStringTable.h"
#include "settings/LoadLocalizedString.h"

QString LocalizedText(unsigned id, const CIniSettings& settings)
{
    return QString::fromStdString(LoadLocalizedString(id, settings.LanguageId(), CStringTable::Compiled()));
}
