#include "controls/CGdipButton.h"

#include "support/qt/WindowMessageRecorder.h"

#include <QEnterEvent>
#include <QTest>

namespace {

constexpr unsigned kPlay = 129;
constexpr unsigned kPause = 132;
// No image of the artwork has this ID.
constexpr unsigned kMissing = 130;

// The button as it shows on the dark window.
QImage Look(CGdipButton& button)
{
    return button.parentWidget()->grab(button.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

int Brightness(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

struct Stage {
    WindowMessageRecorder window;
    CGdipButton* button = new CGdipButton(&window);

    explicit Stage(unsigned standard, unsigned alternate = 0)
    {
        window.resize(100, 100);
        button->setGeometry(10, 10, 48, 48);
        button->LoadStdImage(standard);
        if (alternate)
            button->LoadAltImage(alternate);
    }
};

} // namespace

class CGdipButtonTest : public QObject {
    Q_OBJECT

private slots:
    void HotLookIsBrighterUntilTheMouseLeaves()
    {
        Stage stage(kPlay);
        const QImage normal = Look(*stage.button);
        QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QApplication::sendEvent(stage.button, &enter);
        const QImage hot = Look(*stage.button);

        qint64 gained = 0;
        for (int y = 0; y < hot.height(); ++y) {
            for (int x = 0; x < hot.width(); ++x) {
                const int difference = Brightness(hot.pixel(x, y)) - Brightness(normal.pixel(x, y));
                QVERIFY2(difference >= 0, qPrintable(QStringLiteral("darker at %1,%2").arg(x).arg(y)));
                gained += difference;
            }
        }
        QVERIFY2(gained > 48 * 48, qPrintable(QString::number(gained)));

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(stage.button, &leave);
        QCOMPARE(Look(*stage.button), normal);
    }

    void PressedLookIsMovedOnePixelRightAndDown()
    {
        Stage stage(kPlay);
        const QImage normal = Look(*stage.button);
        stage.button->setDown(true);
        const QImage pressed = Look(*stage.button);

        QVERIFY(pressed != normal);
        for (int y = 0; y + 1 < pressed.height(); ++y) {
            for (int x = 0; x + 1 < pressed.width(); ++x)
                QCOMPARE(pressed.pixel(x + 1, y + 1), normal.pixel(x, y));
        }
        for (int i = 0; i < pressed.width(); ++i) {
            QCOMPARE(QColor(pressed.pixel(i, 0)), QColor(5, 5, 5));
            QCOMPARE(QColor(pressed.pixel(0, i)), QColor(5, 5, 5));
        }
    }

    void AlternateImageShowsWhileSet()
    {
        Stage stage(kPlay, kPause);
        Stage pauseOnly(kPause);
        const QImage play = Look(*stage.button);

        stage.button->SetAltShown(true);
        QCOMPARE(Look(*stage.button), Look(*pauseOnly.button));
        QVERIFY(Look(*stage.button) != play);
        stage.button->SetAltShown(false);
        QCOMPARE(Look(*stage.button), play);
    }

    void ToggleClickSwapsBeforeReceiversHearOfIt()
    {
        Stage stage(kPlay, kPause);
        stage.button->SetToggle(true);
        std::vector<bool> seen;
        connect(stage.button, &QAbstractButton::clicked, this, [&] { seen.push_back(stage.button->AltShown()); });

        QTest::mouseClick(stage.button, Qt::LeftButton);
        QTest::mouseClick(stage.button, Qt::LeftButton);
        QCOMPARE(seen, (std::vector<bool>{true, false}));
    }

    void TogglePressShowsTheOtherSetButOnlyAClickKeepsIt()
    {
        Stage stage(kPlay, kPause);
        stage.button->SetToggle(true);
        Stage pausePressed(kPause);
        pausePressed.button->setDown(true);
        const QImage play = Look(*stage.button);

        QTest::mousePress(stage.button, Qt::LeftButton);
        QCOMPARE(Look(*stage.button), Look(*pausePressed.button));

        // Released off the button: no click, so the set the window knows stays.
        QTest::mouseRelease(stage.button, Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(!stage.button->AltShown());
        QCOMPARE(Look(*stage.button), play);
    }

    void DoubleClickIsTwoClicks()
    {
        Stage stage(kPlay);
        int clicks = 0;
        connect(stage.button, &QAbstractButton::clicked, this, [&] { ++clicks; });
        stage.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage.window));

        QTest::mouseDClick(stage.window.windowHandle(), Qt::LeftButton, {}, stage.button->geometry().center());
        QCOMPARE(clicks, 2);
    }

    void WithoutItsImageTheButtonDrawsNothing()
    {
        Stage stage(kMissing);
        QVERIFY(!stage.button->LoadStdImage(kMissing));
        stage.button->setDown(true);
        QImage background(48, 48, QImage::Format_RGB32);
        background.fill(QColor(5, 5, 5));
        QCOMPARE(Look(*stage.button), background);
    }
};

QTEST_MAIN(CGdipButtonTest)
#include "CGdipButtonTest.moc"
