#include "playback/CMediaPlayer.h"

#include "support/TempFolder.h"

#include <QTest>
#include <QWidget>

#include <filesystem>

namespace {

void NoEvents(const CPlayerEvent&, void*) {}

} // namespace

// The adapter without a display: the library's absence, and its own books.
class CMediaPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void WithoutTheLibraryEverythingIsHarmless();
    void RecreateNeedsAMediaToDrop();
};

void CMediaPlayerTest::WithoutTheLibraryEverythingIsHarmless()
{
    qputenv("TAVREL_LIBVLC", "libvlc-that-is-not-installed.so.5");
    CMediaPlayer player;
    player.Create();
    qunsetenv("TAVREL_LIBVLC");
    QVERIFY(!player.IsUsable());

    fixtures::TempFolder temp;
    QWidget surface;
    player.BindWindow(&surface);
    player.AttachEvents(nullptr, &NoEvents);
    player.OpenMedia(temp / "0001F.MOV");
    player.Play();
    player.SetTime(1'000);
    player.SetRate(2.0f);
    player.SetVolume(50);
    player.SetMute(true);
    player.TakeSnapshot(temp / "shot.jpg");

    QVERIFY(!player.IsPlaying());
    QVERIFY(player.IsPaused());
    QCOMPARE(player.GetLength(), -1);
    QCOMPARE(player.GetTime(), -1);
    QCOMPARE(player.GetVolume(), -1);
    QCOMPARE(player.Rate(), 1.0f);
    QVERIFY(player.MediaPath().empty());
    QCOMPARE(player.ShowMarquee("2.0 X", 48, true), 0);
    QVERIFY(!surface.testAttribute(Qt::WA_NativeWindow));
    QVERIFY(!std::filesystem::exists(temp / "shot.jpg"));
    // The argument set is remembered even when nothing can be made with it.
    QCOMPARE(player.Recreate(1), 0);
    QCOMPARE(player.ArgumentSet(), 1);
    player.Destroy();
}

void CMediaPlayerTest::RecreateNeedsAMediaToDrop()
{
    CMediaPlayer player;
    player.Create();
    if (!player.IsUsable())
        QSKIP("the video library is not installed");
    fixtures::TempFolder temp;

    QCOMPARE(player.Recreate(0), 0);
    QVERIFY(player.IsUsable());

    player.SetVolume(0);
    player.SetRate(1.6f);
    player.OpenMedia(temp / "0001R.MOV");
    player.Play();
    QCOMPARE(player.Recreate(0), 1);
    QVERIFY(player.IsUsable());
    QVERIFY(!player.IsPlaying());
    // The fresh player keeps the program's settings.
    QCOMPARE(player.GetVolume(), 0);
    QCOMPARE(player.Rate(), 1.6f);
    QCOMPARE(player.Recreate(0), 0);
}

QTEST_MAIN(CMediaPlayerTest)
#include "CMediaPlayerTest.moc"
