#include "settings/CStringTable.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(SettingsStringTable, ReadsTablesAndTextsSkippingComments)
{
    const auto table = CStringTable::Parse(
        "# comment\r\n"
        "table\tENG\t1033\r\n"
        "\r\n"
        "table\tESP\t10\n"
        "125\tENG\tSave KML file: %s OK.\n"
        "125\tESP\tArchivo\tKML: %s\n");

    EXPECT_TRUE(table.HasTable(1033));
    EXPECT_TRUE(table.HasTable(10));
    EXPECT_FALSE(table.HasTable(1034));
    EXPECT_EQ(table.Find(1033, 125), "Save KML file: %s OK.");
    EXPECT_EQ(table.Find(10, 125), "Archivo\tKML: %s");
    EXPECT_EQ(table.Find(1033, 126), "");
}

TEST(SettingsStringTable, MalformedDataIsRejected)
{
    const char* const broken[] = {
        "table\tENG\t1033\n101 ENG missing tabs\n",
        "table\tENG\t1033\n101\tXXX\tundeclared language\n",
        "table\tENG\t1033\n10x\tENG\tbad ID\n",
        "table\tENG\t1033\n101\tENG\tone\n101\tENG\ttwo\n",
        "table\tENG\t1033\ntable\tENG\t1033\n",
        "table\tENG\t70000\n",
    };
    for (const char* data : broken) {
        SCOPED_TRACE(data);
        EXPECT_THROW(CStringTable::Parse(data), std::runtime_error);
    }
}

} // namespace
