#include "controls/CMonitor.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

// Two 1920 x 1080 monitors side by side and a smaller one below the first.
const QList<QRect> kScreens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080), QRect(0, 1080, 1280, 1024)};

} // namespace

class CMonitorTest : public QObject {
    Q_OBJECT

private slots:
    void ChoosesTheMonitorHoldingMostOfTheWindow_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<int>("expected");
        QTest::newRow("wholly on the second") << QRect(2000, 100, 800, 560) << kScreens << 1;
        QTest::newRow("straddling, mostly the second") << QRect(1800, 100, 800, 560) << kScreens << 1;
        QTest::newRow("straddling, mostly the first") << QRect(1300, 100, 800, 560) << kScreens << 0;
        QTest::newRow("mostly the one below") << QRect(100, 1000, 800, 560) << kScreens << 2;
        QTest::newRow("even split: the earlier") << QRect(1520, 100, 800, 560) << kScreens << 0;
        QTest::newRow("off every screen: nearest") << QRect(4000, 300, 800, 560) << kScreens << 1;
        QTest::newRow("below the first, off all: nearest") << QRect(1500, 2500, 300, 200) << kScreens << 2;
        QTest::newRow("no screens") << QRect(0, 0, 800, 560) << QList<QRect>{} << -1;
    }
    void ChoosesTheMonitorHoldingMostOfTheWindow()
    {
        QFETCH(QRect, window);
        QFETCH(QList<QRect>, screens);
        QFETCH(int, expected);
        QCOMPARE(ChooseMonitor(window, screens), expected);
    }

    void MonitorOfAWindowIsItsScreen()
    {
        QWidget window;
        window.setGeometry(50, 50, 300, 200);
        const CMonitor monitor(window);
        QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(monitor.Screen(), screen);
        QCOMPARE(monitor.Rect(), screen->geometry());
        QCOMPARE(monitor.WorkArea(), screen->availableGeometry());
    }
};

QTEST_MAIN(CMonitorTest)
#include "CMonitorTest.moc"
