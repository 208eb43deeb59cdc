#include "settings/LoadLocalizedString.h"

#include "settings/CIniSettings.h"
#include "settings/CLanguageTable.h"
#include "settings/CStringTable.h"

namespace {

// The low ten bits of a language id are the primary language.
constexpr std::uint16_t kPrimaryLanguageMask = 0x3FF;

} // namespace

std::string LoadLocalizedString(unsigned id)
{
    return LoadLocalizedString(id, CIniSettings::Instance().LanguageId(), CStringTable::Compiled());
}

std::string LoadLocalizedString(unsigned id, std::uint16_t languageId, const CStringTable& tables)
{
    // Some tables are stored under the neutral form of their language (only
    // the primary id), which serves every sub-language of it.
    const std::uint16_t table = tables.HasTable(languageId) ? languageId : static_cast<std::uint16_t>(languageId & kPrimaryLanguageMask);
    std::string_view text = tables.Find(table, id);
    if (text.empty())
        text = tables.Find(CLanguageTable::Row(CLanguageTable::kJapaneseRow).LanguageId(), id);
    return std::string(text);
}
