#include "controls/CPngStatic.h"

#include "support/qt/WindowMessageRecorder.h"

#include <QTest>

namespace {

constexpr unsigned kGps = 150;
const QColor kWindow(5, 5, 5);

struct Stage {
    WindowMessageRecorder window;
    CPngStatic* png = new CPngStatic(&window);

    Stage()
    {
        window.resize(100, 100);
        png->setGeometry(10, 10, 64, 64);
    }

    QImage Look() { return window.grab(png->geometry()).toImage(); }
};

bool HasColour(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - c.green()) > 20 || qAbs(c.green() - c.blue()) > 20)
                return true;
        }
    }
    return false;
}

bool IsGrey(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() != c.green() || c.green() != c.blue())
                return false;
        }
    }
    return true;
}

} // namespace

class CPngStaticTest : public QObject {
    Q_OBJECT

private slots:
    void GreyedAndColouredLooks()
    {
        Stage stage;
        QVERIFY(stage.png->SetPng(kGps));
        const QImage grey = stage.Look();
        QVERIFY(IsGrey(grey));
        QVERIFY(grey != QImage(grey.size(), grey.format()));

        stage.png->SetColoured(true);
        const QImage coloured = stage.Look();
        QVERIFY(HasColour(coloured));

        stage.png->SetColoured(false);
        QCOMPARE(stage.Look(), grey);
    }

    // The 32 x 32 picture fills the 64 x 64 control rather than its corner.
    void ImageIsScaledToTheControl()
    {
        Stage stage;
        stage.png->SetPng(kGps);
        stage.png->SetColoured(true);
        const QImage look = stage.Look();
        QVERIFY(HasColour(look.copy(32, 32, 32, 32)));
    }

    void WithoutAnImageTheStaticIsBlank()
    {
        Stage stage;
        QVERIFY(!stage.png->SetPng(130));
        stage.png->SetColoured(true);
        QImage blank(64, 64, stage.Look().format());
        blank.fill(kWindow);
        QCOMPARE(stage.Look(), blank);
    }
};

QTEST_MAIN(CPngStaticTest)
#include "CPngStaticTest.moc"
