#include "app/ChildLayout.h"
#include "app/ControlIds.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// The real player on the demo memory card, as a user sees it on the
// screen: the skin drawn at its places, the title, the cut corner, and the
// first recording playing in the first video panel.

namespace {

const QRect kWindow(0, 0, 800, 560);
const QColor kSkin(5, 5, 5);

QImage Screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0, kWindow.x(), kWindow.y(), kWindow.width(), kWindow.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Pixels clearly brighter than the skin's near-black.
int LitPixels(const QImage& image, QRect area)
{
    area &= image.rect();
    int lit = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            lit += qGray(image.pixel(x, y)) > 60;
    return lit;
}

int ChangedPixels(const QImage& before, const QImage& after, QRect area)
{
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            changed += before.pixel(x, y) != after.pixel(x, y);
    return changed;
}

} // namespace

class TavrelDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        const QString card = m_folder.filePath("card");
        QProcess maker;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TAVREL_BUILD_DIR", QT_TESTCASE_BUILDDIR);
        maker.setProcessEnvironment(environment);
        maker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        maker.start(QT_TESTCASE_SOURCEDIR "/tools/make-demo-card", {card});
        QVERIFY(maker.waitForFinished(180'000));
        QCOMPARE(maker.exitCode(), 0);

        QFile ini(m_folder.filePath("Zel.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[WINPOS]\nLEFT=0\nTOP=0\nRIGHT=800\nBOTTOM=560\n");
        ini.close();

        m_player.setWorkingDirectory(m_folder.path());
        m_player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_player.setStandardOutputFile(QProcess::nullDevice());
        m_player.start(QT_TESTCASE_BUILDDIR "/tavrel", {card});
        QVERIFY(m_player.waitForStarted());
        // Playing: the first panel shows the recording's bright test pattern.
        QTRY_VERIFY_WITH_TIMEOUT(LitPixels(Screen(), VideoPanel()) > VideoPanel().width() * VideoPanel().height() / 2,
                                 30'000);
        m_shot = Screen();
        m_shot.save(m_folder.filePath("window.png"));
    }

    void cleanupTestCase()
    {
        m_player.kill();
        m_player.waitForFinished();
    }

    void ButtonsAreDrawnAtTheirPlaces_data()
    {
        QTest::addColumn<int>("id");
        for (const int id : {IDC_OPEN, IDC_SNAP, IDC_SAVE, IDC_DEL, IDC_CONF, IDC_SLOW, IDC_STOP, IDC_PLAY, IDC_FAST,
                             IDC_MUTE, IDC_LOOP, IDC_KML, IDC_MAP, IDC_GSR, IDC_LOCK, IDC_CLOSE, IDC_MAXIMISE,
                             IDC_MINIMISE, IDC_ABOUT, IDC_SIZE_S, IDC_SIZE_M, IDC_SIZE_L})
            QTest::newRow(QByteArray::number(id)) << id;
    }

    void ButtonsAreDrawnAtTheirPlaces()
    {
        QFETCH(int, id);
        const QRect place = Layout()[id];
        // Each picture is drawn inside its button (the thinnest, "-", lights
        // under twenty pixels); the skin around it stays dark.
        QVERIFY(LitPixels(m_shot, place) >= 12);
        QCOMPARE(LitPixels(m_shot, place.adjusted(-3, -3, 3, 3)) - LitPixels(m_shot, place), 0);
    }

    void TitleGlowsInTheTopLeft()
    {
        QVERIFY(LitPixels(m_shot, QRect(50, 4, 100, 36)) > 300);
    }

    void TopLeftCornerIsCut()
    {
        // Outside the quarter circle the desktop shows; inside it the skin.
        QCOMPARE(QColor(m_shot.pixel(2, 2)), QColor(Qt::black));
        QCOMPARE(QColor(m_shot.pixel(12, 2)), QColor(Qt::black));
        QCOMPARE(QColor(m_shot.pixel(20, 40)), kSkin);
        QCOMPARE(QColor(m_shot.pixel(400, 2)), kSkin);
    }

    void FirstVideoPlays()
    {
        const QImage before = Screen();
        QTest::qWait(1500);
        const QImage after = Screen();
        // The demo picture carries a running clock and moving shapes.
        QVERIFY(ChangedPixels(before, after, VideoPanel()) > 200);
    }

private:
    static ChildLayout Layout()
    {
        LayoutParameters parameters;
        parameters.gsensorHeight = 100;
        return LayoutForClientSize(kWindow.width(), kWindow.height(), parameters);
    }
    static QRect VideoPanel() { return Layout()[IDC_VIDEO_BG1].adjusted(4, 4, -4, -4); }

    QTemporaryDir m_folder;
    QProcess m_player;
    QImage m_shot;
};

QTEST_MAIN(TavrelDisplayTest)
#include "TavrelDisplayTest.moc"
