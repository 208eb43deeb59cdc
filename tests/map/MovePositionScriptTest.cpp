#include "map/MovePositionScript.h"

#include <QTest>

class MovePositionScriptTest : public QObject {
    Q_OBJECT

private slots:
    void MovePositionScript_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("call");

        QTest::newRow("minutes become degrees") << 35.4260 << 139.4864 << "movpos(35.710000, 139.810667)";
        QTest::newRow("sign kept") << -35.4260 << -139.4864 << "movpos(-35.710000, -139.810667)";
        QTest::newRow("whole degrees unchanged") << 35.0 << 0.0 << "movpos(35.000000, 0.000000)";
        QTest::newRow("below one degree keeps its sign") << 0.5959 << -0.3 << "movpos(0.993167, -0.500000)";
    }

    void MovePositionScript()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, call);
        QCOMPARE(QString::fromStdString(::MovePositionScript(latitude, longitude)), call);
    }
};

QTEST_GUILESS_MAIN(MovePositionScriptTest)
#include "MovePositionScriptTest.moc"
