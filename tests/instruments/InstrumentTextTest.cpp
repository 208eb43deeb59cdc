#include "instruments/InstrumentText.h"

#include <QTest>

#include <climits>

class InstrumentTextTest : public QObject {
    Q_OBJECT

private slots:
    void SpeedTextInBothUnits_data()
    {
        QTest::addColumn<uint>("kmh");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("unit");
        QTest::newRow("100 km/h") << 100U << true << "100" << "Km/h";
        QTest::newRow("100 km/h in mph") << 100U << false << " 62" << "MPH";
        QTest::newRow("7 km/h in mph truncates") << 7U << false << "  4" << "MPH";
        QTest::newRow("0 right-aligned") << 0U << true << "  0" << "Km/h";
        QTest::newRow("largest stored speed in mph") << 65535U << false << "40959" << "MPH";
    }
    void SpeedTextInBothUnits()
    {
        QFETCH(uint, kmh);
        QFETCH(bool, metric);
        QFETCH(QString, speed);
        QFETCH(QString, unit);
        QCOMPARE(QString::fromStdString(SpeedText(kmh, metric)), speed);
        QCOMPARE(QString::fromStdString(SpeedUnitText(metric)), unit);
    }

    void CompassImageTurnsAgainstHeading_data()
    {
        QTest::addColumn<int>("heading");
        QTest::addColumn<int>("images");
        QTest::addColumn<int>("index");
        QTest::newRow("north") << 0 << 8 << 1;
        QTest::newRow("22 still north") << 22 << 8 << 1;
        QTest::newRow("23 rounds to north-east") << 23 << 8 << 8;
        QTest::newRow("east") << 90 << 8 << 7;
        QTest::newRow("south") << 180 << 8 << 5;
        QTest::newRow("north-west") << 315 << 8 << 2;
        QTest::newRow("337") << 337 << 8 << 2;
        QTest::newRow("338 back to north") << 338 << 8 << 1;
        QTest::newRow("360 is north") << 360 << 8 << 1;
        QTest::newRow("negative heading") << -45 << 8 << 2;
        QTest::newRow("huge heading does not overflow") << INT_MIN << 8 << 4; // same as 232 degrees
        QTest::newRow("fewer images wrap") << 180 << 3 << 2;
        QTest::newRow("no images") << 90 << 0 << 0;
    }
    void CompassImageTurnsAgainstHeading()
    {
        QFETCH(int, heading);
        QFETCH(int, images);
        QFETCH(int, index);
        QCOMPARE(CompassImageIndex(heading, images), index);
    }

    void LegendTextHasFourPlaces()
    {
        QCOMPARE(QString::fromStdString(CurveLegendText('X', 127 / 90.0)), QString("X: 1.4111 G    "));
        QCOMPARE(QString::fromStdString(CurveLegendText('Z', -128 / 90.0)), QString("Z: -1.4222 G    "));
    }
};

QTEST_APPLESS_MAIN(InstrumentTextTest)
#include "InstrumentTextTest.moc"
