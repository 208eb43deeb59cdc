#include "controls/CMySliderControl.h"
#include "controls/CVideoSlider.h"
#include "controls/SliderTrack.h"
#include "playback/WindowMessages.h"

#include "support/qt/WindowMessageRecorder.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// The main window's two sliders as it sets them up, on a window whose skin
// is the dark background.
struct Stage {
    WindowMessageRecorder window;
    CSkinSlider* slider;
    int message;

    explicit Stage(const QString& kind)
    {
        window.resize(400, 60);
        if (kind == QLatin1String("position")) {
            slider = new CVideoSlider(&window);
            slider->setRange(0, 1000);
            slider->setGeometry(10, 10, 210, 20);
            message = UM_SEEK_REQUEST;
        } else {
            slider = new CMySliderControl(&window);
            slider->setRange(0, 100);
            slider->setValue(100);
            slider->setGeometry(10, 10, 80, 20);
            message = UM_VOLUME_CHANGED;
        }
    }

    QPoint At(int x) const { return {x, slider->height() / 2}; }
    QImage Look() { return window.grab(slider->geometry()).toImage(); }
    QColor ThumbCentre() { return Look().pixelColor(slider->ThumbRect().center()); }
};

void AddSliderKinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("position") << QStringLiteral("position");
    QTest::newRow("volume") << QStringLiteral("volume");
}

} // namespace

class SkinSliderTest : public QObject {
    Q_OBJECT

private slots:
    void PositionUnderMouse_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("expected");
        QTest::newRow("track start") << 10 << 10 << 210 << 0 << 1000 << 0;
        QTest::newRow("middle") << 110 << 10 << 210 << 0 << 1000 << 500;
        QTest::newRow("track end") << 210 << 10 << 210 << 0 << 1000 << 1000;
        QTest::newRow("truncated, not rounded") << 11 << 10 << 210 << 0 << 1000 << 5;
        QTest::newRow("truncated towards zero left of it") << 9 << 10 << 210 << 0 << 1000 << 0;
        QTest::newRow("far left pins the minimum") << -500 << 10 << 210 << 0 << 1000 << 0;
        QTest::newRow("far right pins the maximum") << 5000 << 10 << 210 << 0 << 1000 << 1000;
        QTest::newRow("range not starting at 0") << 110 << 10 << 210 << 50 << 150 << 100;
        QTest::newRow("no track width") << 50 << 10 << 10 << 0 << 100 << 0;
        QTest::newRow("long track, wide range") << 60000 << 0 << 65536 << 0 << 1000000 << 915527;
    }
    void PositionUnderMouse()
    {
        QFETCH(int, x);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, expected);
        QCOMPARE(SliderPositionFromX(x, {left, right}, minimum, maximum), expected);
    }

    void ClickJumpsThereAndTellsTheWindowOnce_data() { AddSliderKinds(); }
    void ClickJumpsThereAndTellsTheWindowOnce()
    {
        QFETCH(QString, kind);
        Stage stage(kind);
        const SliderTrack track = stage.slider->Track();
        const int x = (track.left + track.right) / 2;

        QTest::mousePress(stage.slider, Qt::LeftButton, {}, stage.At(x));
        QCOMPARE(stage.slider->value(), SliderPositionFromX(x, track, 0, stage.slider->maximum()));
        QVERIFY(stage.window.messages.empty());
        QTest::mouseRelease(stage.slider, Qt::LeftButton, {}, stage.At(x));
        QCOMPARE(stage.window.messages, std::vector<int>{stage.message});
        QVERIFY(qAbs(stage.slider->value() - stage.slider->maximum() / 2) <= stage.slider->maximum() / 100);
        QCOMPARE(stage.window.mousePresses, 0);
    }

    void DragTellsEachMoveAndPinsAtTheEnds_data() { AddSliderKinds(); }
    void DragTellsEachMoveAndPinsAtTheEnds()
    {
        QFETCH(QString, kind);
        Stage stage(kind);
        const SliderTrack track = stage.slider->Track();

        QTest::mousePress(stage.slider, Qt::LeftButton, {}, stage.At(track.left + 5));
        const int held = stage.slider->value();
        stage.slider->SetPosition(held + 10);
        QCOMPARE(stage.slider->value(), held);
        QTest::mouseMove(stage.slider, stage.At(-300));
        QCOMPARE(stage.slider->value(), 0);
        QTest::mouseMove(stage.slider, stage.At(track.right + 300));
        QCOMPARE(stage.slider->value(), stage.slider->maximum());
        QTest::mouseMove(stage.slider, stage.At(track.left));
        QTest::mouseRelease(stage.slider, Qt::LeftButton, {}, stage.At(track.left));
        QCOMPARE(stage.slider->value(), 0);
        QCOMPARE(stage.window.messages, std::vector<int>(4, stage.message));

        QTest::mouseMove(stage.slider, stage.At(track.right));
        QCOMPARE(stage.window.messages.size(), std::size_t{4});
        stage.slider->SetPosition(7);
        QCOMPARE(stage.slider->value(), 7);
    }

    void ThumbIsDrawnAtThePositionAndDarkerWhileDragged_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QColor>("thumb");
        QTest::addColumn<QColor>("dragged");
        QTest::newRow("position") << QStringLiteral("position") << QColor(100, 250, 100) << QColor(240, 0, 180);
        QTest::newRow("volume") << QStringLiteral("volume") << QColor(255, 0, 0) << QColor(170, 0, 0);
    }
    void ThumbIsDrawnAtThePositionAndDarkerWhileDragged()
    {
        QFETCH(QString, kind);
        QFETCH(QColor, thumb);
        QFETCH(QColor, dragged);
        Stage stage(kind);
        const SliderTrack track = stage.slider->Track();
        const int x = track.left + (track.right - track.left) / 4;

        QTest::mousePress(stage.slider, Qt::LeftButton, {}, stage.At(x));
        QVERIFY(qAbs(QRectF(stage.slider->ThumbRect()).center().x() - x) <= 1);
        QCOMPARE(stage.ThumbCentre(), dragged);
        QTest::mouseRelease(stage.slider, Qt::LeftButton, {}, stage.At(x));
        QCOMPARE(stage.ThumbCentre(), thumb);
    }

    void PositionSliderIsABlackStrip()
    {
        Stage stage(QStringLiteral("position"));
        stage.slider->setValue(0);
        const QImage look = stage.Look();
        const SliderTrack track = stage.slider->Track();
        QCOMPARE(look.pixelColor(track.right, stage.slider->height() / 2), QColor(Qt::black));
    }

    // Whatever the window paints beneath the volume slider shows around its
    // groove and inside it, wherever the slider is moved.
    void VolumeSliderShowsTheSkinBeneath()
    {
        Stage stage(QStringLiteral("volume"));
        stage.slider->setValue(0);
        auto* volume = static_cast<CMySliderControl*>(stage.slider);
        for (const QColor skin : {QColor(30, 60, 90), QColor(200, 120, 10)}) {
            QPalette palette = stage.window.palette();
            palette.setColor(QPalette::Window, skin);
            stage.window.setPalette(palette);
            stage.slider->move(stage.slider->x() + 100, stage.slider->y());
            const QImage look = stage.Look();
            const QRect groove = volume->GrooveRect();
            QCOMPARE(look.pixelColor(groove.right() - 5, 1), skin);
            QCOMPARE(look.pixelColor(groove.right() - 5, groove.center().y()), skin);
        }
    }

    void KeysMoveTheThumbAsAScroll_data() { AddSliderKinds(); }
    void KeysMoveTheThumbAsAScroll()
    {
        QFETCH(QString, kind);
        Stage stage(kind);
        stage.slider->setValue(50);
        QSignalSpy scrolled(stage.slider, &CSkinSlider::Scrolled);
        QTest::keyClick(stage.slider, Qt::Key_Right);
        QCOMPARE(stage.slider->value(), 51);
        QCOMPARE(scrolled.count(), 1);
        stage.slider->SetPosition(10);
        QCOMPARE(scrolled.count(), 1);
        QVERIFY(stage.window.messages.empty());
    }
};

QTEST_MAIN(SkinSliderTest)
#include "SkinSliderTest.moc"
