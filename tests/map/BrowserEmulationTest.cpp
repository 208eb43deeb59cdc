#include "map/BrowserEmulation.h"

#include <QTest>

#include <climits>
#include <optional>
#include <string>

namespace {

// An absent registry value is written as "-" in the tables.
std::optional<std::string> Value(const char* text)
{
    if (std::string(text) == "-")
        return std::nullopt;
    return std::string(text);
}

} // namespace

class BrowserEmulationTest : public QObject {
    Q_OBJECT

private slots:
    void VersionMajor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("major");

        QTest::newRow("full version") << "11.0.9600.16428" << 11;
        QTest::newRow("no dot") << "10" << 0;
        QTest::newRow("nothing before the dot") << ".5" << 0;
        QTest::newRow("blanks before the dot") << "  .5" << 0;
        QTest::newRow("leading blanks") << " \t12.1" << 12;
        QTest::newRow("plus sign") << "+9.0" << 9;
        QTest::newRow("minus sign") << "-3.2" << -3;
        QTest::newRow("stops at a non-digit") << "11b2.0" << 11;
        QTest::newRow("letters first") << "v11.0" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too large saturates") << "99999999999.0" << INT_MAX;
    }

    void VersionMajor()
    {
        QFETCH(QString, text);
        QFETCH(int, major);
        QCOMPARE(::VersionMajor(text.toStdString()), major);
    }

    // From the two stored values to what would be written: the value, or
    // -1 for "warn and write nothing".
    void EmulationValueFromStoredVersions_data()
    {
        QTest::addColumn<QString>("svcVersion");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("emulation");

        QTest::newRow("svcVersion 11") << "11.0.9600.16428" << "-" << 11 << 11001;
        QTest::newRow("svcVersion 11 beats an older Version") << "11.0.9600.16428" << "9.0.1" << 11 << 11001;
        QTest::newRow("Version 9") << "-" << "9.0.8112.16421" << 9 << 9999;
        QTest::newRow("Version 10") << "-" << "10.0.9200.16384" << 10 << 10001;
        QTest::newRow("Version 8 warns") << "-" << "8.0.7601.17514" << 8 << -1;
        QTest::newRow("Version without a dot warns") << "-" << "10" << 0 << -1;
        QTest::newRow("old svcVersion, Version decides") << "8.0.1" << "9.0.2" << 9 << 9999;
        QTest::newRow("old svcVersion, no Version") << "8.0.1" << "-" << 8 << -1;
        QTest::newRow("old svcVersion, older Version wins") << "8.0.1" << "7.0.2" << 7 << -1;
        QTest::newRow("major 12") << "12.0.1" << "-" << 12 << 9999;
        QTest::newRow("nothing stored warns") << "-" << "-" << 0 << -1;
        QTest::newRow("24 characters are read") << "11.0.0000.00000000000000" << "-" << 11 << 11001;
        QTest::newRow("25 characters are unreadable") << "11.0.0000.000000000000000" << "9.0.1" << 9 << 9999;
    }

    void EmulationValueFromStoredVersions()
    {
        QFETCH(QString, svcVersion);
        QFETCH(QString, version);
        QFETCH(int, major);
        QFETCH(int, emulation);

        const int found = BrowserMajorVersion(Value(svcVersion.toUtf8().constData()), Value(version.toUtf8().constData()));
        QCOMPARE(found, major);
        const std::optional<std::uint32_t> value = BrowserEmulationValue(found);
        QCOMPARE(value ? static_cast<int>(*value) : -1, emulation);
    }
};

QTEST_GUILESS_MAIN(BrowserEmulationTest)
#include "BrowserEmulationTest.moc"
