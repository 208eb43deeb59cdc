#include "app/ChildLayout.h"
#include "app/ControlIds.h"
#include "app/FitVideoRects.h"
#include "app/WindowSizes.h"

#include <QTest>

Q_DECLARE_METATYPE(LayoutParameters)

// The main window's geometry as pure arithmetic: where each child goes,
// the video fitting, the fixed window sizes and the window's outline.

namespace {

constexpr int kCurvesHeight = 100;

LayoutParameters DefaultParameters()
{
    LayoutParameters parameters;
    parameters.gsensorHeight = kCurvesHeight;
    return parameters;
}

QRect Edges(int left, int top, int right, int bottom)
{
    return RectFromEdges(left, top, right, bottom);
}

} // namespace

class WindowGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void LayoutAt800x560_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("expected");
        // lh = 120, gh = 100: the video row ends at 560 - 99 - 120 - 100 = 241.
        const int vb = 241;
        const struct {
            const char* name;
            int id;
            QRect rect;
        } rows[] = {
            {"close", IDC_CLOSE, QRect(768, 2, 25, 25)},
            {"maximise", IDC_MAXIMISE, QRect(741, 2, 25, 25)},
            {"minimise", IDC_MINIMISE, QRect(714, 2, 25, 25)},
            {"about", IDC_ABOUT, QRect(687, 2, 25, 25)},
            {"L", IDC_SIZE_L, QRect(641, 11, 16, 16)},
            {"M", IDC_SIZE_M, QRect(621, 11, 16, 16)},
            {"S", IDC_SIZE_S, QRect(601, 11, 16, 16)},
            {"map 555..795, 48..288", IDC_MAP_PLACEHOLDER, Edges(555, 48, 795, 288)},
            {"file list 293..496", IDC_FILE_LIST, Edges(555, 293, 795, 496)},
            {"video 1 5..272", IDC_VIDEO_BG1, Edges(5, 48, 272, vb)},
            {"video 2 272..549", IDC_VIDEO_BG2, Edges(272, 48, 549, vb)},
            {"position slider", IDC_POSITION, QRect(5, vb, 544, 20)},
            {"curves keep their height", IDC_GSENSOR, Edges(5, vb + 25, 549, vb + 25 + kCurvesHeight)},
            {"group list", IDC_GROUP_LIST, Edges(5, vb + 30 + kCurvesHeight, 549, 496)},
            {"progress board", IDC_PROGRESS, QRect(5, vb - 30, 267, 30)},
            {"OPEN", IDC_OPEN, QRect(8, 516, 48, 36)},
            {"SNAP", IDC_SNAP, QRect(56, 516, 48, 36)},
            {"SAVE", IDC_SAVE, QRect(104, 516, 48, 36)},
            {"DEL", IDC_DEL, QRect(152, 516, 48, 36)},
            {"Conf", IDC_CONF, QRect(200, 516, 48, 36)},
            {"SLOW", IDC_SLOW, QRect(268, 512, 40, 40)},
            {"STOP", IDC_STOP, QRect(309, 512, 40, 40)},
            {"PLAY", IDC_PLAY, QRect(350, 504, 48, 48)},
            {"FAST ends at 440", IDC_FAST, Edges(399, 512, 439, 552)},
            {"Vol", IDC_MUTE, QRect(450, 520, 12, 24)},
            {"volume", IDC_VOLUME, QRect(464, 524, 80, 20)},
            {"Loop", IDC_LOOP, QRect(605, 520, 32, 32)},
            {"KML", IDC_KML, QRect(639, 520, 32, 32)},
            {"MAP", IDC_MAP, QRect(673, 520, 32, 32)},
            {"GSR", IDC_GSR, QRect(707, 520, 32, 32)},
            {"LOCK", IDC_LOCK, QRect(741, 520, 32, 32)},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.id << row.rect;
    }

    void LayoutAt800x560()
    {
        QFETCH(int, id);
        QFETCH(QRect, expected);
        QCOMPARE(LayoutForClientSize(800, 560, DefaultParameters())[id], expected);
    }

    void SplittersAt800x560()
    {
        const ChildLayout layout = LayoutForClientSize(800, 560, DefaultParameters());
        QCOMPARE(layout.mapSplitter, std::optional(Edges(555, 48, 795, 496)));
        QCOMPARE(layout.panelSplitter, Edges(550, 48, 555, 496));
        QCOMPARE(layout.groupSplitter, Edges(5, 366, 549, 371));
        QVERIFY(!layout.children.contains(IDC_FLIP));
    }

    void WantedSizesAreClampedOnUse_data()
    {
        QTest::addColumn<LayoutParameters>("parameters");
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("expected");
        LayoutParameters p = DefaultParameters();

        p.rightPanelWidth = 5000;  // panel splitter dragged far left: at most w - 20
        QTest::newRow("right column at most w - 20") << p << int(IDC_FILE_LIST) << Edges(15, 288 + 5, 795, 496);
        p.rightPanelWidth = -300;  // dragged far right: at least 20
        QTest::newRow("right column at least 20") << p << int(IDC_FILE_LIST) << Edges(775, 293, 795, 496);
        p = DefaultParameters();
        p.mapHeight = 1000;
        QTest::newRow("map at most h - 127") << p << int(IDC_MAP_PLACEHOLDER) << Edges(555, 48, 795, 48 + 433);
        p.mapHeight = 3;
        QTest::newRow("map at least 20") << p << int(IDC_MAP_PLACEHOLDER) << Edges(555, 48, 795, 68);
        p = DefaultParameters();
        p.groupListHeight = 1000;  // h - gh - 152 = 308
        QTest::newRow("group list at most h - gh - 152") << p << int(IDC_VIDEO_BG1) << Edges(5, 48, 272, 53);
        p.groupListHeight = 0;
        QTest::newRow("group list at least 20") << p << int(IDC_GROUP_LIST) << Edges(5, 471, 549, 496);
        p = DefaultParameters();
        p.mapPanelOn = false;
        QTest::newRow("map off: no height") << p << int(IDC_MAP_PLACEHOLDER) << QRect(555, 0, 240, 0);
        QTest::newRow("map off: file list from the top") << p << int(IDC_FILE_LIST) << Edges(555, 48, 795, 496);
        p = DefaultParameters();
        p.gsensorPanelOn = false;  // vb = 560 - 99 - 120 = 341
        QTest::newRow("curves off: taller videos") << p << int(IDC_VIDEO_BG2) << Edges(272, 48, 549, 341);
        QTest::newRow("curves off: group list below slider") << p << int(IDC_GROUP_LIST) << Edges(5, 366, 549, 496);
    }

    void WantedSizesAreClampedOnUse()
    {
        QFETCH(LayoutParameters, parameters);
        QFETCH(int, id);
        QFETCH(QRect, expected);
        QCOMPARE(LayoutForClientSize(800, 560, parameters)[id], expected);
    }

    void MapSplitterOnlyWhileTheMapIsOn()
    {
        LayoutParameters p = DefaultParameters();
        p.mapPanelOn = false;
        QVERIFY(!LayoutForClientSize(800, 560, p).mapSplitter);
        p.gsensorPanelOn = false;
        QVERIFY(!LayoutForClientSize(800, 560, p).children.contains(IDC_GSENSOR));
    }

    void FitVideoRects_data()
    {
        QTest::addColumn<std::optional<QSize>>("picture");
        QTest::addColumn<QRect>("primary");
        QTest::addColumn<QRect>("partner");
        // Panels 160 x 100 and 170 x 100 side by side.
        QTest::newRow("no picture fills the panels") << std::optional<QSize>() << QRect(0, 0, 160, 100)
                                                     << QRect(160, 0, 170, 100);
        QTest::newRow("16:10 fits exactly") << std::optional(QSize(1600, 1000)) << QRect(0, 0, 160, 100)
                                            << QRect(160, 0, 170, 100);
        QTest::newRow("wide picture: letterbox from panel 1")
            << std::optional(QSize(1920, 1080)) << QRect(0, 5, 160, 90) << QRect(160, 5, 170, 90);
        QTest::newRow("narrow picture: same width and offset in both")
            << std::optional(QSize(640, 480)) << QRect(13, 0, 133, 100) << QRect(173, 0, 133, 100);
    }

    void FitVideoRects()
    {
        QFETCH(std::optional<QSize>, picture);
        QFETCH(QRect, primary);
        QFETCH(QRect, partner);
        const VideoRects fitted = ::FitVideoRects(QRect(0, 0, 160, 100), QRect(160, 0, 170, 100), picture);
        QCOMPARE(fitted.primary, primary);
        QCOMPARE(fitted.partner, partner);
    }

    void WindowSizes_data()
    {
        QTest::addColumn<QRect>("monitor");
        QTest::addColumn<QRect>("small");
        QTest::addColumn<QRect>("medium");
        QTest::addColumn<QRect>("large");
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080) << QRect(560, 260, 800, 560)
                                     << QRect(240, 135, 1536, 864) << QRect(0, 0, 1920, 1080);
        QTest::newRow("1000 x 600 keeps the minimum")
            << QRect(0, 0, 1000, 600) << QRect(100, 20, 800, 560) << QRect(125, 75, 800, 560) << QRect(0, 0, 1000, 600);
        QTest::newRow("second monitor") << QRect(1920, 0, 1280, 1024) << QRect(2160, 232, 800, 560)
                                        << QRect(2080, 128, 1024, 819) << QRect(1920, 0, 1280, 1024);
    }

    void WindowSizes()
    {
        QFETCH(QRect, monitor);
        QFETCH(QRect, small);
        QFETCH(QRect, medium);
        QFETCH(QRect, large);
        QCOMPARE(SmallWindowRect(monitor), small);
        QCOMPARE(MediumWindowRect(monitor), medium);
        QCOMPARE(LargeWindowRect(monitor), large);
    }

    void FullScreenIsOnePixelShorterWhenTheClientSpansTheMonitor_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("height");
        QTest::newRow("smaller client") << QSize(800, 560) << 1080;
        QTest::newRow("same width") << QSize(1920, 560) << 1079;
        QTest::newRow("same height") << QSize(800, 1080) << 1079;
    }

    void FullScreenIsOnePixelShorterWhenTheClientSpansTheMonitor()
    {
        QFETCH(QSize, client);
        QFETCH(int, height);
        QCOMPARE(FullScreenWindowRect(QRect(0, 0, 1920, 1080), client), QRect(0, 0, 1920, height));
    }

    void GripNeverMakesTheWindowSmallerThanTheMinimum()
    {
        QCOMPARE(GripWindowSize(QPoint(300, 900)), QSize(800, 900));
        QCOMPARE(GripWindowSize(QPoint(1000, -5)), QSize(1000, 560));
    }

    void RegionCutsTheTopLeftCorner()
    {
        const QRegion region = WindowRegion(QSize(800, 560), false);
        QVERIFY(!region.contains(QPoint(0, 0)));
        QVERIFY(!region.contains(QPoint(6, 6)));      // outside the radius-30 quarter circle
        QVERIFY(!region.contains(QPoint(12, 2)));
        QVERIFY(!region.contains(QPoint(2, 12)));
        QVERIFY(region.contains(QPoint(12, 12)));     // inside it
        QVERIFY(region.contains(QPoint(31, 0)));      // the top edge past the cut
        QVERIFY(!region.contains(QPoint(799, 0)));    // the other corners are just rounded
        QVERIFY(region.contains(QPoint(797, 3)));
        QVERIFY(!region.contains(QPoint(0, 559)));
        QVERIFY(region.contains(QPoint(400, 280)));
        QCOMPARE(WindowRegion(QSize(800, 560), true), QRegion(0, 0, 800, 560));
    }
};

QTEST_MAIN(WindowGeometryTest)
#include "WindowGeometryTest.moc"
