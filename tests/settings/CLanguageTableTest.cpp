#include "settings/CLanguageTable.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(SettingsLanguageTable, RowsKeepTheirOrderCodesAndLanguageIds)
{
    struct Row {
        std::string_view code;
        std::uint16_t languageId;
    };
    constexpr std::array<Row, 16> expected{{
        {"ENG", 1033}, {"CHS", 2052}, {"CHT", 1028}, {"ESP", 1034}, {"RUS", 1049}, {"POR", 2070},
        {"JPN", 1041}, {"GER", 1031}, {"FRA", 1036}, {"KOR", 1042}, {"ITA", 1040}, {"LAT", 1062},
        {"POL", 1045}, {"ROM", 1048}, {"SLV", 1051}, {"UKR", 1058},
    }};
    ASSERT_EQ(CLanguageTable::Count(), static_cast<int>(expected.size()));
    for (int row = 0; row < CLanguageTable::Count(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(CLanguageTable::Row(row).code, expected[static_cast<std::size_t>(row)].code);
        EXPECT_EQ(CLanguageTable::Row(row).LanguageId(), expected[static_cast<std::size_t>(row)].languageId);
        EXPECT_EQ(CLanguageTable::IndexOfCode(expected[static_cast<std::size_t>(row)].code), row);
    }
    EXPECT_EQ(CLanguageTable::Row(0).nativeName, "English");
    EXPECT_EQ(CLanguageTable::Row(15).nativeName, "Українська");
}

TEST(SettingsLanguageTable, CodesMatchOnlyExactly)
{
    for (const std::string_view code : {"eng", "EN", "ENGL", " ENG", ""}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(CLanguageTable::IndexOfCode(code), -1);
    }
}

} // namespace
