#include "PlaybackFakes.h"

#include "playback/CMediaPlayer.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QThread>

#include <cstdlib>
#include <memory>

namespace {

constexpr auto kPatience = 10'000;  // ms to wait for the library before a check fails
constexpr QSize kPictureSize(640, 360);

// A short H.264 recording with a sine tone, made by the ffmpeg command line.
bool MakeRecording(const std::string& path, const char* pattern, int seconds)
{
    const QString duration = QString::number(seconds);
    const QString size = QString("%1x%2").arg(kPictureSize.width()).arg(kPictureSize.height());
    const QStringList arguments = {
        "-hide_banner", "-loglevel", "error", "-y",
        "-f", "lavfi", "-i", QString("%1=size=%2:rate=25:duration=%3").arg(pattern, size, duration),
        "-f", "lavfi", "-i", QString("sine=frequency=440:duration=%1").arg(duration),
        "-c:v", "libx264", "-preset", "ultrafast", "-g", "25", "-pix_fmt", "yuv420p",
        "-c:a", "aac", "-shortest", "-f", "mov", QString::fromStdString(path)};
    return QProcess::execute("ffmpeg", arguments) == 0;
}

// Pixels of the marquee's pure green in the picture's top left corner, as
// the screen shows it.
int GreenTextPixels(QWidget* surface)
{
    const QImage shown = surface->screen()->grabWindow(surface->winId()).toImage();
    const QImage corner = shown.copy(0, 0, shown.width() / 3, shown.height() / 5);
    int green = 0;
    for (int y = 0; y < corner.height(); ++y)
        for (int x = 0; x < corner.width(); ++x) {
            const QColor c = corner.pixelColor(x, y);
            green += c.green() > 200 && c.red() < 100 && c.blue() < 100;
        }
    return green;
}

class WidgetSurface final : public IVideoSurface {
public:
    explicit WidgetSurface(QWidget* widget) : m_widget(widget) {}
    QWidget* Window() override { return m_widget; }
    void Show() override { m_widget->show(); }
    void Hide() override { m_widget->hide(); }

private:
    QWidget* m_widget;
};

// Remembers every state it was given and whether it came on the window thread.
struct RecordingGpsIndicator final : IGpsIndicator {
    std::vector<bool> history;
    bool offThread = false;
    void SetFix(bool fix) override
    {
        history.push_back(fix);
        offThread = offThread || QThread::currentThread() != qApp->thread();
    }
};

// The main window's share of two-camera playback with real players drawing
// side by side; only the library and the instruments are stand-ins.
struct DisplayRig {
    QWidget window;
    QWidget* primaryWidget = new QWidget(&window);
    QWidget* partnerWidget = new QWidget(&window);
    WidgetSurface primarySurface{primaryWidget};
    WidgetSurface partnerSurface{partnerWidget};
    Journal journal;
    FakeLibrary library{journal};
    FakeWindow fakeWindow{journal};
    FakeButton playButton;
    RecordingGpsIndicator gpsIndicator;
    FakeCursor cursor;
    FakeSlider positionSlider;
    FakeSlider volumeSlider;
    CMediaPlayer primary;
    CMediaPlayer partner;
    CPlaybackController controller{
        primary, partner, library,
        CPlaybackViews{fakeWindow, playButton, gpsIndicator, cursor, primarySurface, partnerSurface, positionSlider,
                       volumeSlider}};

    DisplayRig()
    {
        window.resize(2 * kPictureSize.width(), kPictureSize.height());
        primaryWidget->setGeometry(QRect(QPoint(0, 0), kPictureSize));
        partnerWidget->setGeometry(QRect(QPoint(kPictureSize.width(), 0), kPictureSize));
        window.show();
        primary.Create();
        partner.Create();
    }
    ~DisplayRig()
    {
        // The players' threads post to the controller: they go first.
        primary.Destroy();
        partner.Destroy();
    }

    std::size_t TimeReports() const { return library.telemetry.size(); }
    std::int64_t LastReportedTime() const { return library.telemetry.empty() ? -1 : library.telemetry.back().ms; }
};

} // namespace

class TwoCameraPlaybackDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void BothCamerasPlaySideBySide();
    void TimeReportsDriveTheTelemetryOnTheWindowThread();
    void FasterSpeedIsWrittenOnBothPictures();
    void SnapshotsKeepThePictureSize_data();
    void SnapshotsKeepThePictureSize();
    void JumpMovesBothPlayers();
    void EndOfARecordingStartsTheNext();

private:
    std::unique_ptr<fixtures::TempFolder> m_card;
    std::unique_ptr<DisplayRig> m_rig;
    std::string m_front;
    std::string m_rear;
    std::string m_second;
};

void TwoCameraPlaybackDisplayTest::initTestCase()
{
    m_card = std::make_unique<fixtures::TempFolder>();
    m_front = *m_card / "0001F.MOV";
    m_rear = *m_card / "0001R.MOV";
    m_second = *m_card / "0002F.MOV";
    QVERIFY(MakeRecording(m_front, "testsrc", 20));
    QVERIFY(MakeRecording(m_rear, "smptebars", 20));
    QVERIFY(MakeRecording(m_second, "testsrc", 3));

    m_rig = std::make_unique<DisplayRig>();
    QVERIFY2(m_rig->primary.IsUsable() && m_rig->partner.IsUsable(), "the video library must be installed");
    m_rig->library.files = {m_front, m_second};
    m_rig->library.pictureHeight = kPictureSize.height();
    m_rig->library.noFixFrom = 1'000;
    m_rig->library.noFixUntil = 2'000;
    m_rig->controller.InitPlayback();
}

void TwoCameraPlaybackDisplayTest::cleanupTestCase()
{
    m_rig.reset();
    m_card.reset();
}

void TwoCameraPlaybackDisplayTest::BothCamerasPlaySideBySide()
{
    DisplayRig& rig = *m_rig;
    rig.controller.StartFile(0, StartVariant::Open);

    QVERIFY(QTest::qWaitFor([&] { return rig.TimeReports() > 0 && rig.partner.GetTime() > 0; }, kPatience));
    QCOMPARE(rig.primary.MediaPath(), m_front);
    QCOMPARE(rig.partner.MediaPath(), m_rear);
    QVERIFY(rig.primaryWidget->isVisible() && rig.partnerWidget->isVisible());
    QVERIFY(QTest::qWaitFor([&] { return rig.playButton.altShown == true; }, kPatience));
    // One sound track: the front camera's, at twice its own level.
    QCOMPARE(rig.primary.GetVolume(), 200);
    QCOMPARE(rig.partner.GetVolume(), 0);
}

void TwoCameraPlaybackDisplayTest::TimeReportsDriveTheTelemetryOnTheWindowThread()
{
    DisplayRig& rig = *m_rig;

    QVERIFY(QTest::qWaitFor([&] { return rig.LastReportedTime() > rig.library.noFixUntil; }, kPatience));

    // The indicator went out for the stretch without a fix and came back.
    const std::vector<bool>& history = rig.gpsIndicator.history;
    const auto lost = std::find(history.begin(), history.end(), false);
    QVERIFY(lost != history.end());
    QVERIFY(std::find(lost, history.end(), true) != history.end());
    QCOMPARE(rig.gpsIndicator.history.back(), true);
    QVERIFY(!rig.gpsIndicator.offThread);
    QVERIFY(rig.positionSlider.position > 0);
    QVERIFY(!rig.controller.IsBusyOpening());
}

void TwoCameraPlaybackDisplayTest::FasterSpeedIsWrittenOnBothPictures()
{
    DisplayRig& rig = *m_rig;
    QCOMPARE(GreenTextPixels(rig.primaryWidget), 0);

    // 1.2, 1.4, 1.6, 1.8, 2.0
    for (int press = 0; press < 5; ++press)
        rig.controller.OnFast();

    QCOMPARE(rig.primary.Rate(), 2.0f);
    QCOMPARE(rig.partner.Rate(), 2.0f);
    for (QWidget* surface : {rig.primaryWidget, rig.partnerWidget})
        QVERIFY(QTest::qWaitFor([&] { return GreenTextPixels(surface) > 100; }, kPatience));

    for (int press = 0; press < 5; ++press)
        rig.controller.OnSlow();

    QCOMPARE(rig.primary.Rate(), 1.0f);
    for (QWidget* surface : {rig.primaryWidget, rig.partnerWidget})
        QVERIFY(QTest::qWaitFor([&] { return GreenTextPixels(surface) == 0; }, kPatience));
}

void TwoCameraPlaybackDisplayTest::SnapshotsKeepThePictureSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("JPG") << "shot.JPG" << QByteArray("jpeg");
    QTest::newRow("PNG") << "shot.png" << QByteArray("png");
}

void TwoCameraPlaybackDisplayTest::SnapshotsKeepThePictureSize()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    const std::string path = *m_card / name.toStdString();

    m_rig->primary.TakeSnapshot(path);

    QImageReader written(QString::fromStdString(path));
    QCOMPARE(written.format(), format);
    QCOMPARE(written.size(), kPictureSize);
    QVERIFY(!written.read().isNull());
    QCOMPARE(QDir(QString::fromStdString(m_card->Path())).entryList({"*.snapshot.*"}), QStringList());
}

void TwoCameraPlaybackDisplayTest::JumpMovesBothPlayers()
{
    DisplayRig& rig = *m_rig;
    // Held still, so that where the jump landed is not blurred by playing on.
    rig.controller.OnPlay();
    QVERIFY(QTest::qWaitFor([&] { return rig.playButton.altShown == false; }, kPatience));
    const std::int64_t length = rig.primary.GetLength();
    rig.positionSlider.position = 700;
    const std::int64_t target = 700 * (length / 1000);

    rig.controller.OnSeekRequest();

    QCOMPARE(rig.LastReportedTime(), target);
    QVERIFY(QTest::qWaitFor([&] { return !rig.controller.PendingSeek(); }, kPatience));
    QCOMPARE(rig.library.drivenRoutes.back(), target);
    for (const CMediaPlayer* player : {&rig.primary, &rig.partner})
        QVERIFY(QTest::qWaitFor([&] { return std::abs(player->GetTime() - target) <= 1'000; }, kPatience));

    rig.controller.OnPlay();
    QVERIFY(QTest::qWaitFor([&] { return rig.LastReportedTime() > target; }, kPatience));
    QVERIFY(rig.positionSlider.position >= 650);
}

void TwoCameraPlaybackDisplayTest::EndOfARecordingStartsTheNext()
{
    DisplayRig& rig = *m_rig;
    rig.positionSlider.position = 950;
    rig.controller.OnPositionScroll();

    QVERIFY(QTest::qWaitFor([&] { return rig.library.currentFile == 1; }, kPatience));
    QCOMPARE(rig.primary.MediaPath(), m_second);
    // The second recording has no rear file: the partner is cleared.
    QVERIFY(!rig.partner.IsPlaying());
    const std::size_t reportsBefore = rig.TimeReports();
    QVERIFY(QTest::qWaitFor([&] { return rig.TimeReports() > reportsBefore; }, kPatience));

    // After the last recording the list starts again from its first, with its partner.
    QVERIFY(QTest::qWaitFor([&] { return rig.library.currentFile == 0; }, kPatience));
    QCOMPARE(rig.primary.MediaPath(), m_front);
    QVERIFY(QTest::qWaitFor([&] { return rig.partner.GetTime() > 0; }, kPatience));
    QCOMPARE(rig.partner.MediaPath(), m_rear);
}

QTEST_MAIN(TwoCameraPlaybackDisplayTest)
#include "TwoCameraPlaybackDisplayTest.moc"
