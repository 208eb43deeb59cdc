#include "map/CHtmlMapDlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <memory>

// The map pages in the real web engine. The network is closed here, so no
// tile ever loads; the routes and the marker are read back from the page.
// World map inputs come back unchanged; China map inputs come back in
// GCJ-02, checked against published reference conversions.

namespace {

// WGS-84 inputs and their GCJ-02 reference values, six decimals.
const char* const kShanghai = "31.1774276,121.5272106";
const char* const kShanghaiGcj = "31.175304,121.531542";
const char* const kShenzhen = "22.543847,113.912316";
const char* const kShenzhenGcj = "22.540796,113.917176";
const char* const kBeijingGcj = "39.913345,116.384047";

// The planned route, the driven route and the marker, each point as
// "lat,lon" with six decimals, route points joined by blanks, "" for a hidden
// marker; last "centred" when the view is centred on the marker to the pixel
// (the view snaps to whole pixels), else its centre.
const char* const kReadState = R"(
    (function () {
        function text(p) { return p.lat.toFixed(6) + ',' + p.lng.toFixed(6); }
        var offset = map.latLngToContainerPoint(marker.getLatLng()).distanceTo(map.getSize().divideBy(2));
        return [plannedRoute.line.getLatLngs().map(text).join(' '),
                drivenRoute.line.getLatLngs().map(text).join(' '),
                map.hasLayer(marker) ? text(marker.getLatLng()) : '',
                offset < 1 ? 'centred' : text(map.getCenter())].join(';');
    })())";

QVariant Evaluate(QWebEnginePage* page, const QString& script)
{
    // Shared, so that an answer arriving after a timeout writes nowhere harmful.
    auto answer = std::make_shared<std::pair<bool, QVariant>>();
    page->runJavaScript(script, [answer](const QVariant& value) { *answer = {true, value}; });
    if (!QTest::qWaitFor([&] { return answer->first; }, 5000))
        return {};
    return answer->second;
}

QString State(CHtmlMapDlg& map)
{
    return Evaluate(map.page(), kReadState).toString();
}

void WriteSettings(const QByteArray& text)
{
    QFile ini("Zel.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(text);
}

bool LoadAndWait(CHtmlMapDlg& map, int mapChoice)
{
    QSignalSpy loaded(&map, &QWebEngineView::loadFinished);
    map.LoadPage(mapChoice);
    return loaded.wait(20000) && loaded.first().first().toBool();
}

} // namespace

class CHtmlMapDlgDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The settings file is looked for in the current directory.
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }

    void init()
    {
        WriteSettings("");
        m_map = std::make_unique<CHtmlMapDlg>();
        m_map->resize(640, 480);
        m_map->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_map.get()));
    }

    void cleanup() { m_map.reset(); }

    void CallsDrawRoutesAndMarker_data()
    {
        QTest::addColumn<int>("mapChoice");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<double>("movpos_latitude");
        QTest::addColumn<double>("movpos_longitude");
        QTest::addColumn<QString>("state");

        QTest::newRow("world map")
            << 0
            << QStringList{"pathdrived_delete()", "path_delete()", "path_plot(35.700000,139.800000)",
                           "path_plot(35.705000,139.805000)", "path_plot(35.710000,139.810000)",
                           "pathdrived_plot(35.700000,139.800000)"}
            << 35.4260 << 139.4864
            << "35.700000,139.800000 35.705000,139.805000 35.710000,139.810000;"
               "35.700000,139.800000 35.710000,139.810667;35.710000,139.810667;centred";
        // 39.5471724, 116.2266902 in the minutes form is 39.911954, 116.377817.
        QTest::newRow("China map, converted to GCJ-02 in call order")
            << 1
            << QStringList{"pathdrived_delete()", "path_delete()", QString("path_plot(%1)").arg(kShanghai),
                           QString("path_plot(%1)").arg(kShenzhen), "path_plot(39.911954,116.377817)",
                           QString("pathdrived_plot(%1)").arg(kShenzhen)}
            << 39.5471724 << 116.2266902
            << QString("%1 %2 %3;%2 %3;%3;centred").arg(kShanghaiGcj, kShenzhenGcj, kBeijingGcj);
        QTest::newRow("calls that fail leave the others working")
            << 0
            << QStringList{"path_plot(35.700000,139.800000)", "no_such_function(1)", "path_plot('x','y')",
                           "path_plot()", "movpos(nan, 1.000000)", "path_plot(35.710000,139.810000) // done"}
            << 35.4260 << 139.4864
            << "35.700000,139.800000 35.710000,139.810000;35.710000,139.810667;35.710000,139.810667;centred";
    }

    void CallsDrawRoutesAndMarker()
    {
        QFETCH(int, mapChoice);
        QFETCH(QStringList, calls);
        QFETCH(double, movpos_latitude);
        QFETCH(double, movpos_longitude);
        QFETCH(QString, state);

        QVERIFY(LoadAndWait(*m_map, mapChoice));
        for (const QString& call : calls)
            m_map->RunScript(call.toStdString());
        m_map->MovePosition(movpos_latitude, movpos_longitude);
        QTRY_COMPARE_WITH_TIMEOUT(State(*m_map), state, 10000);
    }

    // The China map shows no marker until the first position.
    void PageSwitchEmptiesBothRoutes()
    {
        QVERIFY(LoadAndWait(*m_map, 0));
        m_map->RunScript("path_plot(35.700000,139.800000)");
        m_map->RunScript("pathdrived_plot(35.700000,139.800000)");
        QTRY_COMPARE_WITH_TIMEOUT(State(*m_map), QString("35.700000,139.800000;35.700000,139.800000;"
                                                         "35.710100,139.810700;centred"),
                                  10000);

        // Made in the same turn as the switch: meant for the old page.
        m_map->RunScript("path_plot(35.710000,139.810000)");
        QVERIFY(LoadAndWait(*m_map, 1));
        QCOMPARE(m_map->MapChoice(), 1);
        m_map->RunScript(QString("pathdrived_plot(%1)").arg(kShenzhen).toStdString());
        QTRY_COMPARE_WITH_TIMEOUT(State(*m_map), QString(";%1;;centred").arg(kShenzhenGcj), 10000);
    }

    // Applying a map choice and then closing the settings with OK loads
    // twice in a row; the calls made after the second request still arrive.
    void PageAskedForWhileAnotherLoads_data()
    {
        QTest::addColumn<int>("firstChoice");
        QTest::addColumn<int>("secondChoice");
        QTest::newRow("same page") << 1 << 1;
        QTest::newRow("other page") << 0 << 1;
    }

    void PageAskedForWhileAnotherLoads()
    {
        QFETCH(int, firstChoice);
        QFETCH(int, secondChoice);

        m_map->LoadPage(firstChoice);
        m_map->RunScript("path_plot(35.700000,139.800000)");
        m_map->LoadPage(secondChoice);
        m_map->RunScript(QString("path_plot(%1)").arg(kShenzhen).toStdString());
        QTRY_COMPARE_WITH_TIMEOUT(State(*m_map), QString("%1;;;centred").arg(kShenzhenGcj), 20000);
    }

    // The map panel can be switched off while a recording loads; the page
    // draws nothing while hidden and catches up when shown again.
    void HiddenMapCatchesUpWhenShown()
    {
        QVERIFY(LoadAndWait(*m_map, 0));
        m_map->hide();
        m_map->RunScript("path_plot(35.700000,139.800000)");
        m_map->MovePosition(35.4260, 139.4864);
        QTest::qWait(200);
        m_map->show();
        QTRY_COMPARE_WITH_TIMEOUT(State(*m_map), QString("35.700000,139.800000;35.710000,139.810667;"
                                                         "35.710000,139.810667;centred"),
                                  10000);
    }

    void CallsBeforeThePageLoadsDoNoHarm()
    {
        m_map->RunScript("path_plot(35.000000,139.000000)");
        m_map->MovePosition(35.0, 139.0);

        QSignalSpy loaded(m_map.get(), &QWebEngineView::loadFinished);
        m_map->LoadPage(0);
        m_map->RunScript("path_delete()");
        m_map->RunScript("path_plot(35.700000,139.800000)");
        QVERIFY(loaded.wait(20000));
        m_map->RunScript("path_plot(35.710000,139.810000)");

        QTRY_COMPARE_WITH_TIMEOUT(State(*m_map), QString("35.700000,139.800000 35.710000,139.810000;;"
                                                         "35.710100,139.810700;centred"),
                                  10000);
    }

    // Leaflet's stylesheet and images are in the resources: the page is
    // complete without a network, only the tiles are missing.
    void PageIsCompleteWithoutNetwork()
    {
        QVERIFY(LoadAndWait(*m_map, 0));
        QTRY_COMPARE_WITH_TIMEOUT(Evaluate(m_map->page(), "marker.getElement().naturalWidth").toInt(), 25, 10000);
        QCOMPARE(Evaluate(m_map->page(), "getComputedStyle(document.querySelector('.leaflet-pane')).position")
                     .toString(),
                 QString("absolute"));
    }

    void PageDialogsStaySilent()
    {
        QVERIFY(LoadAndWait(*m_map, 0));
        m_map->RunScript("alert('a')");
        m_map->RunScript("confirm('b') || prompt('c') || path_plot(35.700000,139.800000)");
        QTRY_COMPARE_WITH_TIMEOUT(Evaluate(m_map->page(), "plannedRoute.line.getLatLngs().length").toInt(), 1, 10000);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(QApplication::topLevelWidgets().count(), 1);
    }

    void RightClicksNeverReachThePage()
    {
        QVERIFY(LoadAndWait(*m_map, 0));
        Evaluate(m_map->page(), R"(
            window.seenButtons = [];
            window.contextMenus = 0;
            document.addEventListener('mousedown', function (e) { seenButtons.push(e.button); }, true);
            document.addEventListener('contextmenu', function () { ++contextMenus; }, true);)");
        QWidget* surface = m_map->focusProxy();
        QVERIFY(surface);

        const QPoint point(200, 200);
        QTest::mouseClick(surface, Qt::RightButton, {}, point);
        QTest::mouseDClick(surface, Qt::RightButton, {}, point);
        // The left click arrives after the right ones would have.
        QTest::mouseClick(surface, Qt::LeftButton, {}, point);
        QTRY_COMPARE_WITH_TIMEOUT(Evaluate(m_map->page(), "seenButtons.join(',')").toString(), QString("0"), 10000);
        QCOMPARE(Evaluate(m_map->page(), "contextMenus").toInt(), 0);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(m_map->findChildren<QMenu*>().count(), 0);
    }

    void TileServerFromSettings_data()
    {
        QTest::addColumn<int>("mapChoice");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("tilePrefix");
        QTest::addColumn<QString>("attribution");

        const QByteArray own = "[MAP]\nTILES0=http://127.0.0.1:9/{z}/{x}/{y}.png?q=\"'</script>\n"
                               "TILES1=http://127.0.0.1:9/china/{z}/{x}/{y}.png\n";
        QTest::newRow("world map, provider") << 0 << QByteArray() << "https://tile.openstreetmap.org/15/"
                                             << "OpenStreetMap contributors";
        QTest::newRow("world map, own server") << 0 << own << "http://127.0.0.1:9/15/" << "OpenStreetMap contributors";
        QTest::newRow("China map, provider") << 1 << QByteArray("[MAP]\nTILES0=http://127.0.0.1:9/{z}/{x}/{y}.png\n")
                                             << "https://webrd0" << "AutoNavi";
        QTest::newRow("China map, own server") << 1 << own << "http://127.0.0.1:9/china/16/" << "AutoNavi";
    }

    void TileServerFromSettings()
    {
        QFETCH(int, mapChoice);
        QFETCH(QByteArray, settings);
        QFETCH(QString, tilePrefix);
        QFETCH(QString, attribution);

        WriteSettings(settings);
        QVERIFY(LoadAndWait(*m_map, mapChoice));
        QTRY_VERIFY_WITH_TIMEOUT(
            Evaluate(m_map->page(), "document.querySelector('.leaflet-tile').src").toString().startsWith(tilePrefix),
            10000);
        QVERIFY(Evaluate(m_map->page(), "document.querySelector('.leaflet-control-attribution').textContent")
                    .toString()
                    .contains(attribution));
    }

    void PlaceInParent_data()
    {
        QTest::addColumn<bool>("withPlaceholder");
        QTest::newRow("placeholder replaced") << true;
        QTest::newRow("no placeholder, nothing changes") << false;
    }

    void PlaceInParent()
    {
        QFETCH(bool, withPlaceholder);

        QWidget mainWindow;
        mainWindow.resize(800, 560);
        auto* panel = new QWidget(&mainWindow);
        panel->setGeometry(5, 40, 700, 400);
        QPointer<QWidget> placeholder = new QWidget(panel);
        placeholder->setGeometry(10, 20, 300, 200);
        if (withPlaceholder)
            placeholder->setObjectName("1004");
        mainWindow.show();

        CHtmlMapDlg map;
        QCOMPARE(map.PlaceInParent(&mainWindow), withPlaceholder);
        if (withPlaceholder) {
            QVERIFY(placeholder.isNull());
            QCOMPARE(map.parentWidget(), &mainWindow);
            QCOMPARE(map.geometry(), QRect(17, 62, 296, 196));
            QVERIFY(map.isVisible());
            QCOMPARE(mainWindow.children().last(), &map);
        } else {
            QVERIFY(!placeholder.isNull());
            QCOMPARE(map.parentWidget(), nullptr);
            QVERIFY(!map.isVisible());
        }
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CHtmlMapDlg> m_map;
};

QTEST_MAIN(CHtmlMapDlgDisplayTest)
#include "CHtmlMapDlgDisplayTest.moc"
