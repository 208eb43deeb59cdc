#include "instruments/CGSensorCtrl.h"

#include <QImage>
#include <QTest>

#include <cstdint>
#include <vector>

namespace {

// 626 x 148 gives a plot 600 wide from x 24 and 120 high from y 20, so the
// zero line is at y 80 and one G is 20 pixels.
constexpr int kWidth = 626;
constexpr int kHeight = 148;
constexpr int kPlotLeft = 24;

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kGreen = qRgb(60, 255, 60);
const QRgb kRed = qRgb(255, 60, 60);

// Ten minutes at 10 samples a second, X at +1 G, Y at -0.5 G, Z at +0.5 G,
// loaded the way the recording library does it.
void LoadTenMinutes(CGSensorCtrl& ctrl)
{
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 6000; ++i)
        bytes.insert(bytes.end(), {90, static_cast<std::uint8_t>(-45), 45});
    ctrl.ClearSamples();
    ctrl.AppendSamples(6000, bytes.data());
    ctrl.RecalcWindow();
    ctrl.SetSampleRate(0.01);
    ctrl.RecalcWindow();
    ctrl.SetTimeScale(0.01);
    ctrl.RecalcWindow();
    ctrl.SetWindowMode(2);
}

int CountInPlot(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 20; y <= 140; ++y)
        for (int x = kPlotLeft; x <= kPlotLeft + 600; ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

QRgb FrameTopLeft(const QImage& image, const CGSensorCtrl& ctrl, CGSensorCtrl::Axis axis)
{
    // The frame lies one pixel outside the legend text on the top and left.
    const QRect text = ctrl.LegendRect(axis);
    return image.pixel(text.left() - 1, text.top() - 1);
}

} // namespace

class CGSensorCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ctrl = std::make_unique<CGSensorCtrl>();
        ctrl->resize(kWidth, kHeight);
        ctrl->show();
        QVERIFY(QTest::qWaitForWindowExposed(ctrl.get()));
    }
    void cleanup() { ctrl.reset(); }

    void BeforeLoadingShowsEmptyChartOverTwentySeconds()
    {
        const QImage image = ctrl->Render();
        QCOMPARE(image.pixel(kPlotLeft, 100), kBlue); // cursor on the left axis
        QCOMPARE(image.pixel(kPlotLeft + 303, 80), qRgb(255, 255, 255));
        // 100 ticks over 600 pixels: tick 10 is long, tick 1 short.
        QCOMPARE(image.pixel(kPlotLeft + 60, 136), qRgb(102, 102, 102));
        QCOMPARE(image.pixel(kPlotLeft + 6, 139), qRgb(102, 102, 102));
        QCOMPARE(image.pixel(kPlotLeft + 6, 136), qRgb(0, 0, 0));
        for (auto axis : {CGSensorCtrl::kX, CGSensorCtrl::kY, CGSensorCtrl::kZ})
            QCOMPARE(FrameTopLeft(image, *ctrl, axis), qRgb(100, 100, 100));
        QCOMPARE(CountInPlot(image, kYellow) + CountInPlot(image, kGreen) + CountInPlot(image, kRed), 0);
    }

    void PlayingDrawsCurvesAndCentredCursor()
    {
        LoadTenMinutes(*ctrl);
        ctrl->SetStopped(false);
        ctrl->SetPosition(100000);
        const QImage image = ctrl->Render();
        // The window scrolled so the cursor stands in the middle of the plot.
        QCOMPARE(image.pixel(kPlotLeft + 300, 100), kBlue);
        QCOMPARE(image.pixel(kPlotLeft + 299, 100), kBlue);
        QVERIFY(image.pixel(kPlotLeft + 302, 100) != kBlue);
        QCOMPARE(image.pixel(kPlotLeft + 100, 60), kYellow);
        QCOMPARE(image.pixel(kPlotLeft + 100, 90), kGreen);
        QCOMPARE(image.pixel(kPlotLeft + 100, 70), kRed);
        for (auto axis : {CGSensorCtrl::kX, CGSensorCtrl::kY, CGSensorCtrl::kZ})
            QCOMPARE(FrameTopLeft(image, *ctrl, axis), qRgb(130, 130, 130));
    }

    void CurvesEndWhereSamplesEnd()
    {
        LoadTenMinutes(*ctrl);
        ctrl->SetPosition(700000); // beyond the end: cursor at the end
        const QImage image = ctrl->Render();
        QCOMPARE(image.pixel(kPlotLeft + 600, 100), kBlue);
        QCOMPARE(image.pixel(kPlotLeft + 598, 60), kYellow);
    }

    void StopHidesCurvesAndFlattensLegend()
    {
        LoadTenMinutes(*ctrl);
        ctrl->SetPosition(100000);
        ctrl->SetPosition(0);
        ctrl->SetStopped(true);
        const QImage image = ctrl->Render();
        QCOMPARE(CountInPlot(image, kYellow) + CountInPlot(image, kGreen) + CountInPlot(image, kRed), 0);
        QCOMPARE(image.pixel(kPlotLeft, 100), kBlue);
        for (auto axis : {CGSensorCtrl::kX, CGSensorCtrl::kY, CGSensorCtrl::kZ})
            QCOMPARE(FrameTopLeft(image, *ctrl, axis), qRgb(100, 100, 100));
    }

    void RecordingWithoutSamplesShowsGreyZeroLegend()
    {
        LoadTenMinutes(*ctrl);
        ctrl->SetPosition(1000);
        ctrl->Render();
        ctrl->ClearSamples(); // the next recording has no G-sensor data
        const QImage image = ctrl->Render();
        QCOMPARE(CountInPlot(image, kYellow) + CountInPlot(image, kGreen) + CountInPlot(image, kRed), 0);
        for (auto axis : {CGSensorCtrl::kX, CGSensorCtrl::kY, CGSensorCtrl::kZ})
            QCOMPARE(FrameTopLeft(image, *ctrl, axis), qRgb(100, 100, 100));
        // The scaled one-minute window of the previous recording is kept.
        QCOMPARE(ctrl->Window().mode, 2);
    }

    void LegendClickTogglesOnlyThatCurve()
    {
        LoadTenMinutes(*ctrl);
        ctrl->SetPosition(1000);
        ctrl->Render();
        const QPoint onY = ctrl->LegendRect(CGSensorCtrl::kY).center();

        QTest::mouseClick(ctrl.get(), Qt::LeftButton, {}, onY);
        QImage image = ctrl->Render();
        QCOMPARE(CountInPlot(image, kGreen), 0);
        QVERIFY(CountInPlot(image, kYellow) > 0);
        QVERIFY(CountInPlot(image, kRed) > 0);
        QCOMPARE(FrameTopLeft(image, *ctrl, CGSensorCtrl::kY), qRgb(100, 100, 100));

        QTest::mouseClick(ctrl.get(), Qt::LeftButton, {}, ctrl->LegendRect(CGSensorCtrl::kY).center());
        image = ctrl->Render();
        QVERIFY(CountInPlot(image, kGreen) > 0);

        // Outside every box nothing changes.
        QTest::mouseClick(ctrl.get(), Qt::LeftButton, {}, QPoint(300, 100));
        QVERIFY(ctrl->IsCurveShown(CGSensorCtrl::kX) && ctrl->IsCurveShown(CGSensorCtrl::kY)
                && ctrl->IsCurveShown(CGSensorCtrl::kZ));
    }

    void DoubleClickOnLegendLeavesCurveAsItWas()
    {
        LoadTenMinutes(*ctrl);
        ctrl->Render();
        QTest::mouseDClick(ctrl.get(), Qt::LeftButton, {}, ctrl->LegendRect(CGSensorCtrl::kX).center());
        QVERIFY(ctrl->IsCurveShown(CGSensorCtrl::kX));
    }

    void ResizeChangesScaledWindow()
    {
        LoadTenMinutes(*ctrl);
        ctrl->resize(426, kHeight);
        QCOMPARE(ctrl->Window().windowMs, 40000.0);
    }

private:
    std::unique_ptr<CGSensorCtrl> ctrl;
};

QTEST_MAIN(CGSensorCtrlTest)
#include "CGSensorCtrlTest.moc"
