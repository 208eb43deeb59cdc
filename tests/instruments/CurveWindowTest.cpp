#include "instruments/CurveWindow.h"

#include <QTest>

namespace {

// A ten-minute recording at 10 samples a second in the loader's scaled look:
// 600 columns of 100 ms each, so the window is one minute.
CurveWindow TenMinutesScaled()
{
    CurveWindow w;
    w.sampleCount = 6000;
    w.samplesPerMs = 0.01;
    w.pixelsPerMs = 0.01;
    w.plotWidth = 600;
    w.mode = CurveWindow::kScaled;
    w.Recalc();
    return w;
}

} // namespace

class CurveWindowTest : public QObject {
    Q_OBJECT

private slots:
    void RecalcChoosesWindowLengthByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qulonglong>("count");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("expectedRecording");
        QTest::addColumn<double>("expectedWindow");
        QTest::newRow("whole, short raised to 1 s") << 0 << 10ULL << 0.016 << 625.0 << 1000.0;
        QTest::newRow("whole, exact") << 0 << 1600ULL << 0.016 << 100000.0 << 100000.0;
        QTest::newRow("whole, long cut to an hour") << 0 << 100000ULL << 0.001 << 1.0e8 << 3600000.0;
        QTest::newRow("fixed") << 1 << 1600ULL << 0.016 << 100000.0 << 60000.0;
        QTest::newRow("scaled, not truncated") << 2 << 1600ULL << 0.016 << 100000.0 << 601 / 0.03;
        QTest::newRow("unknown mode keeps the window") << 7 << 1600ULL << 0.016 << 100000.0 << 1234.0;
        QTest::newRow("zero rate is an empty recording") << 0 << 1600ULL << 0.0 << 0.0 << 1000.0;
    }
    void RecalcChoosesWindowLengthByMode()
    {
        QFETCH(int, mode);
        QFETCH(qulonglong, count);
        QFETCH(double, rate);
        QFETCH(double, expectedRecording);
        QFETCH(double, expectedWindow);
        CurveWindow w;
        w.mode = mode;
        w.sampleCount = count;
        w.samplesPerMs = rate;
        w.pixelsPerMs = 0.03;
        w.plotWidth = 601;
        w.windowMs = 1234.0;
        w.Recalc();
        QCOMPARE(w.recordingMs, expectedRecording);
        QCOMPARE(w.windowMs, expectedWindow);
    }

    void SetPositionPlacesWindowAndCursor_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<double>("position");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<int>("cursor");
        QTest::newRow("negative clamps to 0") << -5 << 0.0 << 0.0 << 60000.0 << 0;
        QTest::newRow("first half window: cursor walks") << 10000 << 10000.0 << 0.0 << 60000.0 << 100;
        QTest::newRow("exactly half: centred") << 30000 << 30000.0 << 0.0 << 60000.0 << 300;
        QTest::newRow("middle: window scrolls") << 100000 << 100000.0 << 70000.0 << 130000.0 << 300;
        QTest::newRow("last half window: cursor walks on") << 590000 << 590000.0 << 540000.0 << 600000.0 << 500;
        QTest::newRow("beyond the end clamps") << 700000 << 600000.0 << 540000.0 << 600000.0 << 600;
    }
    void SetPositionPlacesWindowAndCursor()
    {
        QFETCH(int, ms);
        QFETCH(double, position);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(int, cursor);
        CurveWindow w = TenMinutesScaled();
        w.SetPosition(ms);
        QCOMPARE(w.position, position);
        QCOMPARE(w.windowStart, start);
        QCOMPARE(w.windowEnd, end);
        QCOMPARE(w.CursorColumn(), cursor);
    }

    void ShortRecordingKeepsWindowAtStart()
    {
        CurveWindow w = TenMinutesScaled();
        w.sampleCount = 100; // 10 s, shorter than the one-minute window
        w.SetPosition(8000);
        QCOMPARE(w.windowStart, 0.0);
        QCOMPARE(w.windowEnd, 10000.0);
        QCOMPARE(w.CursorColumn(), 80);
        // Curves end where the samples end.
        QCOMPARE(w.SampleAtColumn(99), std::int64_t{99});
        QCOMPARE(w.SampleAtColumn(100), std::int64_t{-1});
    }

    void ColumnMapsToSampleOfItsTime_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("column");
        QTest::addColumn<qlonglong>("index");
        QTest::newRow("start, first column") << 0 << 0 << 0LL;
        QTest::newRow("start, column 5") << 0 << 5 << 5LL;
        QTest::newRow("scrolled, first column") << 100000 << 0 << 700LL;
        QTest::newRow("scrolled, last column") << 100000 << 599 << 1299LL;
        QTest::newRow("end, last column") << 600000 << 599 << 5999LL;
    }
    void ColumnMapsToSampleOfItsTime()
    {
        QFETCH(int, ms);
        QFETCH(int, column);
        QFETCH(qlonglong, index);
        CurveWindow w = TenMinutesScaled();
        w.SetPosition(ms);
        w.windowMs = w.DrawingWindowMs();
        QCOMPARE(static_cast<qlonglong>(w.SampleAtColumn(column)), index);
    }

    void LegendSampleFollowsPosition()
    {
        CurveWindow w = TenMinutesScaled();
        w.SetPosition(12345);
        QCOMPARE(w.SampleAtPosition(), std::int64_t{123});
        w.sampleCount = 0;
        QCOMPARE(w.SampleAtPosition(), std::int64_t{-1});
    }

    void DrawingWindowIsWholeAndNeverZero_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qulonglong>("count");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("expected");
        QTest::newRow("nothing loaded") << 0 << 0ULL << 0.016 << 20000.0;
        QTest::newRow("zero rate") << 0 << 1600ULL << 0.0 << 20000.0;
        QTest::newRow("whole, not clamped") << 0 << 8ULL << 0.016 << 500.0;
        QTest::newRow("fixed") << 1 << 8ULL << 0.016 << 60000.0;
        QTest::newRow("scaled, truncated") << 2 << 8ULL << 0.016 << 20033.0;
    }
    void DrawingWindowIsWholeAndNeverZero()
    {
        QFETCH(int, mode);
        QFETCH(qulonglong, count);
        QFETCH(double, rate);
        QFETCH(double, expected);
        CurveWindow w;
        w.mode = mode;
        w.sampleCount = count;
        w.samplesPerMs = rate;
        w.pixelsPerMs = 0.03;
        w.plotWidth = 601;
        QCOMPARE(w.DrawingWindowMs(), expected);
    }

    void RowSpansThreeGEachWay_data()
    {
        QTest::addColumn<double>("g");
        QTest::addColumn<int>("row");
        // Zero row 100, plot height 120: 20 pixels per G.
        QTest::newRow("zero") << 0.0 << 100;
        QTest::newRow("+1 G") << 1.0 << 80;
        QTest::newRow("-1.5 G") << -1.5 << 130;
        QTest::newRow("+3 G on the top") << 3.0 << 40;
        QTest::newRow("beyond +3 G is limited") << 5.0 << 40;
        QTest::newRow("beyond -3 G is limited") << -9.0 << 160;
        QTest::newRow("raw +127") << 127 / 90.0 << 71;
    }
    void RowSpansThreeGEachWay()
    {
        QFETCH(double, g);
        QFETCH(int, row);
        QCOMPARE(CurveRow(g, 100, 120), row);
    }
};

QTEST_APPLESS_MAIN(CurveWindowTest)
#include "CurveWindowTest.moc"
