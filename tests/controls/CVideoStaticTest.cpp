#include "controls/CVideoStatic.h"
#include "controls/CVideoStaticBg.h"
#include "playback/WindowMessages.h"

#include "support/qt/WindowMessageRecorder.h"

#include <QTest>

namespace {

const QColor kSurface(5, 5, 5);

struct Stage {
    WindowMessageRecorder window;
    CVideoPanel* panel;

    explicit Stage(const QString& kind)
    {
        window.resize(400, 300);
        if (kind == QLatin1String("surface"))
            panel = new CVideoStatic(&window);
        else
            panel = new CVideoStaticBg(&window);
        panel->setGeometry(20, 20, 320, 240);
        window.show();
    }
};

// Pixels of the surface that are not its plain background.
int PaintedPixels(const QImage& image)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            painted += image.pixelColor(x, y) != kSurface;
    }
    return painted;
}

} // namespace

class CVideoStaticTest : public QObject {
    Q_OBJECT

private slots:
    void DoubleClickAsksForFullScreenOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("video surface") << QStringLiteral("surface");
        QTest::newRow("panel behind it") << QStringLiteral("panel");
    }
    void DoubleClickAsksForFullScreenOnce()
    {
        QFETCH(QString, kind);
        Stage stage(kind);
        QVERIFY(QTest::qWaitForWindowExposed(&stage.window));
        const QPoint inside = stage.panel->geometry().center();

        QTest::mouseClick(stage.window.windowHandle(), Qt::LeftButton, {}, inside);
        QVERIFY(stage.window.messages.empty());
        // A press reaching the window would start dragging it.
        QCOMPARE(stage.window.mousePresses, 0);

        QTest::mouseDClick(stage.window.windowHandle(), Qt::LeftButton, {}, inside);
        QCOMPARE(stage.window.messages, std::vector<int>{UM_TOGGLE_FULLSCREEN});
        QCOMPARE(stage.window.mousePresses, 0);
    }

    void SurfaceIsANativeWindowForThePlayer()
    {
        Stage stage(QStringLiteral("surface"));
        QVERIFY(stage.panel->testAttribute(Qt::WA_NativeWindow));
        QVERIFY(stage.panel->windowHandle() != nullptr);
        QVERIFY(stage.panel->winId() != 0);
    }

    void ScanCounterShowsOnlyWhileScanning()
    {
        Stage stage(QStringLiteral("surface"));
        auto* surface = static_cast<CVideoStatic*>(stage.panel);
        QCOMPARE(PaintedPixels(surface->grab().toImage()), 0);

        surface->ShowCounter(true);
        surface->ShowCount(7);
        const QImage seven = surface->grab().toImage();
        QVERIFY(PaintedPixels(seven) > 500);
        // Large digits in the top left corner, the rest of the surface plain.
        QCOMPARE(PaintedPixels(seven.copy(0, 120, 320, 120)), 0);
        QCOMPARE(PaintedPixels(seven.copy(120, 0, 200, 240)), 0);

        surface->SetCounter(8);
        QVERIFY(surface->grab().toImage() != seven);

        surface->ShowCounter(false);
        QCOMPARE(PaintedPixels(surface->grab().toImage()), 0);
    }
};

QTEST_MAIN(CVideoStaticTest)
#include "CVideoStaticTest.moc"
