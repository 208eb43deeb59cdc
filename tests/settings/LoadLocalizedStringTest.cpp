#include "settings/LoadLocalizedString.h"

#include "settings/CLanguageTable.h"
#include "settings/CStringTable.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr std::uint16_t kEnglish = 1033;

// Tables shaped to tell the lookup steps apart: Spanish stored both neutral
// (10) and for one country (2058), the latter lacking ID 2; Japanese lacking
// ID 4; an empty English text for ID 3.
const CStringTable& Fixture()
{
    static const CStringTable table = CStringTable::Parse(
        "table\tENG\t1033\ntable\tESP\t10\ntable\tMEX\t2058\ntable\tJPN\t1041\n"
        "1\tENG\tone\n1\tESP\tuno\n1\tMEX\tuno mx\n1\tJPN\tichi\n"
        "2\tENG\ttwo\n2\tESP\tdos\n2\tJPN\tni\n"
        "3\tENG\t\n3\tJPN\tsan\n"
        "4\tENG\tfour\n");
    return table;
}

TEST(SettingsLocalizedString, LookupOrder)
{
    struct Case {
        const char* what;
        std::uint16_t languageId;
        unsigned id;
        const char* expected;
    };
    const Case cases[] = {
        {"exact table", kEnglish, 1, "one"},
        {"no exact table: neutral table of the language", 1034, 1, "uno"},
        {"exact table preferred over the neutral one", 2058, 1, "uno mx"},
        {"exact table lacks the ID: Japanese, not neutral", 2058, 2, "ni"},
        {"empty text: Japanese", kEnglish, 3, "san"},
        {"no table for the language at all: Japanese", 1049, 2, "ni"},
        {"Japanese lacks it too: empty", 1034, 4, ""},
        {"no table has the ID: empty", kEnglish, 999, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LoadLocalizedString(c.id, c.languageId, Fixture()), c.expected);
    }
}

TEST(SettingsLocalizedString, EveryRowGetsItsOwnLanguage)
{
    struct Case {
        std::string_view code;
        const char* cancel;
    };
    const Case cases[] = {
        {"ENG", "Cancel"}, {"ESP", "Cancelar"}, {"ITA", "Annulla"}, {"SLV", "Zrušiť"}, {"GER", "Abbrechen"},
        {"JPN", "キャンセル"}, {"UKR", "Скасувати"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const auto& row = CLanguageTable::Row(CLanguageTable::IndexOfCode(c.code));
        EXPECT_EQ(LoadLocalizedString(108, row.LanguageId(), CStringTable::Compiled()), c.cancel);
    }
}

// The printf conversions of a text in order, "%%" left out since it takes
// no argument.
std::vector<std::string> Conversions(std::string_view text)
{
    std::vector<std::string> found;
    for (auto pos = text.find('%'); pos != std::string_view::npos; pos = text.find('%', pos)) {
        auto end = text.find_first_not_of("-+ #0123456789.hlLqjzt", pos + 1);
        if (end == std::string_view::npos)
            end = text.size() - 1;
        if (text.substr(pos, end - pos + 1) != "%%")
            found.emplace_back(text.substr(pos, end - pos + 1));
        pos = end + 1;
    }
    return found;
}

TEST(SettingsLocalizedString, EveryLanguageHasEveryTextWithTheEnglishPlaceholders)
{
    const auto& tables = CStringTable::Compiled();
    std::set<unsigned> ids;
    for (const auto& e : tables.Entries()) {
        if (e.tableId == kEnglish)
            ids.insert(e.stringId);
    }
    std::set<unsigned> expectedIds{144, 145};
    for (unsigned id = 101; id <= 141; ++id)
        expectedIds.insert(id);
    for (unsigned id = 179; id <= 200; ++id)
        expectedIds.insert(id);
    EXPECT_EQ(ids, expectedIds);

    std::set<std::uint16_t> reached;
    for (const auto& row : CLanguageTable::Rows()) {
        SCOPED_TRACE(row.code);
        const std::uint16_t id = row.LanguageId();
        const std::uint16_t table = tables.HasTable(id) ? id : static_cast<std::uint16_t>(id & 0x3FF);
        ASSERT_TRUE(tables.HasTable(table));
        reached.insert(table);
        for (const unsigned stringId : ids) {
            SCOPED_TRACE(stringId);
            const auto text = tables.Find(table, stringId);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(Conversions(text), Conversions(tables.Find(kEnglish, stringId)));
        }
    }
    // Texts no row can reach, or IDs only some languages have, are mistakes too.
    for (const auto& e : tables.Entries()) {
        EXPECT_TRUE(reached.count(e.tableId)) << "unreachable table " << e.tableId;
        EXPECT_TRUE(ids.count(e.stringId)) << "ID " << e.stringId << " missing in English";
    }
}

TEST(SettingsLocalizedString, PlaceholderCheckSeesMisplacedConversions)
{
    EXPECT_EQ(Conversions("File \"%s\" is already exist."), std::vector<std::string>{"%s"});
    EXPECT_EQ(Conversions("100 % sûr: %d%%"), (std::vector<std::string>{"% s", "%d"}));
    EXPECT_EQ(Conversions("%-5.2ld and %"), (std::vector<std::string>{"%-5.2ld", "%"}));
}

} // namespace
