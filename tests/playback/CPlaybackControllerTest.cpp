#include "PlaybackFakes.h"

#include "playback/CWindowMessageEvent.h"
#include "playback/WindowMessages.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QTest>

#include <fstream>
#include <thread>

Q_DECLARE_METATYPE(StartVariant)

namespace {

std::string Touch(const std::string& path)
{
    std::ofstream(path) << "video";
    return path;
}

// Delivers what the players' threads posted, as the window's event loop would.
void DeliverPosted()
{
    QCoreApplication::sendPostedEvents();
}

// Three recordings on a card; the first has its second-camera file beside it.
struct CardRig : PlaybackRig {
    fixtures::TempFolder card;
    CardRig()
    {
        library.files = {Touch(card / "0001F.MOV"), Touch(card / "0002F.MOV"), Touch(card / "0003F.MOV")};
        Touch(card / "0001R.MOV");
        library.groupFirstFiles = {0, 2};
        library.pictureHeight = 1080;
        controller.InitPlayback();
        journal.Clear();
    }
};

} // namespace

class CPlaybackControllerTest : public QObject {
    Q_OBJECT

private slots:
    void StartUpBindsUsablePlayersAndWarnsOfOthers_data();
    void StartUpBindsUsablePlayersAndWarnsOfOthers();
    void StartFileVariants_data();
    void StartFileVariants();
    void StartPlaysPrimaryThenItsPartner();
    void PartnerIsDroppedWhenThereIsNone();
    void GroupStartPlaysTheGroupsFirstFile();
    void RefusedListStartStopsAndStartsNothing();
    void ListStartsWaitForTheFirstTimeReport();
    void BusyGuardLapsesAfterItsTimer();
    void DeferredStartComesOnTheFifthTick();
    void PlayTogglesEachPlayerByItsOwnState();
    void PlayWithoutFilesOnlyResetsTheButton();
    void StopRewindsAndReturnsToNormalSpeed();
    void RateSteps_data();
    void RateSteps();
    void RateTextIsSizedToThePicture_data();
    void RateTextIsSizedToThePicture();
    void RateTextIsRepeatedAfterAStart();
    void SeekTargetWaitsForTheSeekTimer_data();
    void SeekTargetWaitsForTheSeekTimer();
    void DraggingMovesTheInstrumentsAtOnce();
    void PendingSeekHoldsTheSliderAndPlayerEventsDropIt();
    void TimeReportsDriveTelemetryFromThePlayerThread();
    void PlayStateAndErrorReports();
    void EndOfRecordingMovesOn_data();
    void EndOfRecordingMovesOn();
    void EndWithoutAutoNextHoldsAtTheStart();
    void VolumeAndMuteConcernOnlyThePrimary();
};

void CPlaybackControllerTest::StartUpBindsUsablePlayersAndWarnsOfOthers_data()
{
    QTest::addColumn<bool>("primaryUsable");
    QTest::addColumn<bool>("partnerUsable");
    QTest::addColumn<int>("warnings");
    QTest::newRow("both players") << true << true << 0;
    QTest::newRow("no partner") << true << false << 1;
    QTest::newRow("no library at all") << false << false << 2;
}

void CPlaybackControllerTest::StartUpBindsUsablePlayersAndWarnsOfOthers()
{
    QFETCH(bool, primaryUsable);
    QFETCH(bool, partnerUsable);
    QFETCH(int, warnings);
    PlaybackRig rig;
    rig.primary.usable = primaryUsable;
    rig.partner.usable = partnerUsable;

    rig.controller.InitPlayback();

    QCOMPARE(rig.window.unusableWarnings, warnings);
    for (const FakePlayer* player : {&rig.primary, &rig.partner}) {
        const bool usable = player->usable;
        QCOMPARE(player->callback != nullptr, usable);
        QCOMPARE(player->rate, usable ? std::optional(1.0f) : std::nullopt);
    }
    QCOMPARE(rig.primary.window, primaryUsable ? &rig.primaryWindow : nullptr);
    QCOMPARE(rig.partner.window, partnerUsable ? &rig.partnerWindow : nullptr);
    QCOMPARE(rig.primary.volume, primaryUsable ? std::optional(200) : std::nullopt);
    QCOMPARE(rig.partner.volume, partnerUsable ? std::optional(0) : std::nullopt);
    // The seek and deferred-start timers run for the window's life, players or not.
    QVERIFY(rig.controller.IsTimerRunning(TIMER_APPLY_SEEK));
    QVERIFY(rig.controller.IsTimerRunning(TIMER_DEFERRED_START));
}

void CPlaybackControllerTest::StartFileVariants_data()
{
    QTest::addColumn<StartVariant>("variant");
    QTest::addColumn<bool>("stopsFirst");
    QTest::addColumn<bool>("settles");
    QTest::addColumn<bool>("raisesBusy");
    QTest::addColumn<bool>("showsSurface");
    QTest::addColumn<bool>("setsPlayButton");
    QTest::addColumn<bool>("repeatsRateText");
    QTest::newRow("open") << StartVariant::Open << false << false << false << true << true << false;
    QTest::newRow("deferred") << StartVariant::Deferred << false << false << false << true << false << true;
    QTest::newRow("group") << StartVariant::Group << true << true << true << true << false << true;
    QTest::newRow("file") << StartVariant::File << true << true << true << true << false << true;
    QTest::newRow("next") << StartVariant::Next << false << false << false << false << false << true;
    QTest::newRow("wrap") << StartVariant::Wrap << true << false << false << false << false << false;
}

void CPlaybackControllerTest::StartFileVariants()
{
    QFETCH(StartVariant, variant);
    QFETCH(bool, stopsFirst);
    QFETCH(bool, settles);
    QFETCH(bool, raisesBusy);
    QFETCH(bool, showsSurface);
    QFETCH(bool, setsPlayButton);
    QFETCH(bool, repeatsRateText);
    CardRig rig;

    rig.controller.StartFile(0, variant);

    const Journal& journal = rig.journal;
    const int opened = journal.IndexOf("primary.OpenMedia " + rig.library.files[0]);
    QVERIFY(opened >= 0);
    QCOMPARE(journal.Has("primary.Stop") && journal.Has("partner.Stop"), stopsFirst);
    if (stopsFirst)
        QVERIFY(journal.IndexOf("primary.Stop") < opened);
    QCOMPARE(journal.Has("wait 200"), settles);
    QCOMPARE(rig.controller.IsBusyOpening(), raisesBusy);
    QCOMPARE(rig.controller.IsTimerRunning(TIMER_BUSY_OPENING), raisesBusy);
    QCOMPARE(journal.Has("primarySurface.Show"), showsSurface);
    QCOMPARE(rig.playButton.altShown, setsPlayButton ? std::optional(true) : std::nullopt);
    QCOMPARE(rig.controller.IsTimerRunning(TIMER_RATE_MARQUEE), repeatsRateText);
    QCOMPARE(rig.primary.marquees.size(), repeatsRateText ? 1u : 0u);
    QVERIFY(rig.primary.playing);
}

void CPlaybackControllerTest::StartPlaysPrimaryThenItsPartner()
{
    CardRig rig;

    rig.controller.StartFile(0, StartVariant::Open);

    const std::string front = rig.library.files[0];
    const std::string partner = rig.card / "0001R.MOV";
    const std::vector<std::string> expected = {
        "library.SelectFile 0",  "primarySurface.Show",       "library.OpenTelemetry 0", "primary.OpenMedia " + front,
        "window.FitVideoSurfaces", "primary.Play",            "partnerSurface.Show",     "partner.OpenMedia " + partner,
        "partner.Play",
    };
    QCOMPARE(rig.journal.entries, expected);
    QCOMPARE(rig.controller.CurrentPath(), front);
    QCOMPARE(rig.partner.window, &rig.partnerWindow);
}

void CPlaybackControllerTest::PartnerIsDroppedWhenThereIsNone()
{
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);
    QVERIFY(!rig.partner.mediaPath.empty());

    rig.controller.StartFile(1, StartVariant::Next);
    QVERIFY(rig.journal.Has("partner.Recreate 0"));
    QVERIFY(rig.partner.mediaPath.empty());

    // Without its window the partner is never looked for.
    rig.partnerSurface.window = nullptr;
    rig.journal.Clear();
    rig.controller.StartFile(0, StartVariant::Next);
    QVERIFY(rig.journal.Has("partner.Recreate 0"));
    QVERIFY(!rig.journal.Has("partner.OpenMedia " + rig.card / "0001R.MOV"));
}

void CPlaybackControllerTest::GroupStartPlaysTheGroupsFirstFile()
{
    CardRig rig;

    rig.controller.OnPlayGroup(1);

    QVERIFY(rig.journal.Has("library.SelectGroup 1"));
    QVERIFY(rig.journal.Has("primary.OpenMedia " + rig.library.files[2]));
    QCOMPARE(rig.library.currentFile, 2);
}

void CPlaybackControllerTest::RefusedListStartStopsAndStartsNothing()
{
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);
    rig.journal.Clear();

    rig.controller.OnPlayFile(7);
    // An unknown group leaves the library without a current file here.
    rig.library.currentFile = -1;
    rig.controller.OnPlayGroup(5);

    QVERIFY(rig.journal.Has("primary.Stop"));
    QVERIFY(!rig.journal.Has("primary.Play"));
    QVERIFY(!rig.controller.IsBusyOpening());
}

void CPlaybackControllerTest::ListStartsWaitForTheFirstTimeReport()
{
    CardRig rig;
    rig.controller.OnPlayFile(1);
    QVERIFY(rig.controller.IsBusyOpening());
    rig.journal.Clear();

    // A second double-click before the first picture does nothing, nor does "no row".
    rig.controller.OnPlayFile(2);
    rig.controller.OnPlayGroup(0);
    rig.controller.OnPlayFile(-1);
    QVERIFY(rig.journal.entries.empty());

    rig.primary.Raise(PLAYER_TIME_CHANGED, 40);
    QVERIFY(!rig.controller.IsBusyOpening());
    rig.controller.OnPlayFile(-1);
    QVERIFY(rig.journal.entries.empty());
    rig.controller.OnPlayFile(2);
    QVERIFY(rig.journal.Has("primary.OpenMedia " + rig.library.files[2]));
}

void CPlaybackControllerTest::BusyGuardLapsesAfterItsTimer()
{
    CardRig rig;
    rig.controller.SetBusyOpening(true);
    QVERIFY(rig.controller.IsTimerRunning(TIMER_BUSY_OPENING));

    rig.controller.OnTimer(TIMER_BUSY_OPENING);

    QVERIFY(!rig.controller.IsBusyOpening());
    QVERIFY(!rig.controller.IsTimerRunning(TIMER_BUSY_OPENING));
}

void CPlaybackControllerTest::DeferredStartComesOnTheFifthTick()
{
    CardRig rig;
    rig.controller.DeferStart(1);

    for (int tick = 1; tick <= 4; ++tick)
        rig.controller.OnTimer(TIMER_DEFERRED_START);
    QVERIFY(!rig.journal.Has("primary.Play"));
    rig.controller.OnTimer(TIMER_DEFERRED_START);
    QVERIFY(rig.journal.Has("primary.OpenMedia " + rig.library.files[1]));

    rig.journal.Clear();
    for (int tick = 1; tick <= 10; ++tick)
        rig.controller.OnTimer(TIMER_DEFERRED_START);
    QVERIFY(rig.journal.entries.empty());
}

void CPlaybackControllerTest::PlayTogglesEachPlayerByItsOwnState()
{
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);
    rig.partner.playing = false;  // stopped on its own, shorter than the front recording
    rig.cursor.stopped = true;
    rig.positionSlider.position = 300;
    rig.controller.OnPositionScroll();
    rig.journal.Clear();

    rig.controller.OnPlay();

    QCOMPARE(rig.journal.entries, (std::vector<std::string>{"primary.Pause", "partnerSurface.Show", "partner.Play"}));
    QCOMPARE(rig.controller.PendingSeek(), std::nullopt);
    QCOMPARE(rig.cursor.stopped, std::optional(false));

    rig.journal.Clear();
    rig.controller.OnPlay();
    QCOMPARE(rig.journal.entries,
             (std::vector<std::string>{"primarySurface.Show", "primary.Play", "partner.Pause"}));
    QVERIFY(rig.controller.IsTimerRunning(TIMER_RATE_MARQUEE));
}

void CPlaybackControllerTest::PlayWithoutFilesOnlyResetsTheButton()
{
    PlaybackRig rig;
    rig.controller.InitPlayback();

    rig.controller.OnPlay();

    QCOMPARE(rig.playButton.altShown, std::optional(false));
    QVERIFY(rig.journal.entries.empty());
}

void CPlaybackControllerTest::StopRewindsAndReturnsToNormalSpeed()
{
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);
    for (int press = 0; press < 3; ++press)
        rig.controller.OnFast();
    rig.positionSlider.position = 640;
    rig.controller.OnPositionScroll();

    rig.controller.OnStop();

    QCOMPARE(rig.controller.PendingSeek(), std::nullopt);
    QCOMPARE(rig.playButton.altShown, std::optional(false));
    QVERIFY(!rig.primary.playing);
    QVERIFY(!rig.partner.playing);
    QCOMPARE(rig.controller.RateIndex(), 7);
    QCOMPARE(rig.primary.rate, std::optional(1.0f));
    QCOMPARE(rig.partner.rate, std::optional(1.0f));
    // The speed text of the faster rate must not stay on the stopped pictures.
    QVERIFY(!rig.primary.marquees.back().enable);
    QVERIFY(!rig.partner.marquees.back().enable);
    QCOMPARE(rig.positionSlider.position, 0);
    QCOMPARE(rig.cursor.position, std::optional<std::int64_t>(0));
    QCOMPARE(rig.cursor.stopped, std::optional(true));
    QVERIFY(!rig.primarySurface.shown);
    QVERIFY(!rig.partnerSurface.shown);
}

void CPlaybackControllerTest::RateSteps_data()
{
    QTest::addColumn<int>("fast");
    QTest::addColumn<int>("slow");
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("rate");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("shown");
    QTest::newRow("one faster") << 1 << 0 << 8 << 1.2f << "1.2 X" << true;
    QTest::newRow("four faster") << 4 << 0 << 11 << 1.8f << "1.8 X" << true;
    QTest::newRow("five faster is double") << 5 << 0 << 12 << 2.0f << "2.0 X" << true;
    QTest::newRow("there and back") << 5 << 5 << 7 << 1.0f << "1.0 X" << false;
    QTest::newRow("one slower") << 0 << 1 << 6 << 0.9f << "0.9 X" << true;
    QTest::newRow("fastest holds") << 11 << 0 << 17 << 4.0f << "4.0 X" << true;
    QTest::newRow("slowest holds") << 0 << 8 << 0 << 0.3f << "0.3 X" << true;
}

void CPlaybackControllerTest::RateSteps()
{
    QFETCH(int, fast);
    QFETCH(int, slow);
    QFETCH(int, index);
    QFETCH(float, rate);
    QFETCH(QString, label);
    QFETCH(bool, shown);
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);

    for (int press = 0; press < fast; ++press)
        rig.controller.OnFast();
    for (int press = 0; press < slow; ++press)
        rig.controller.OnSlow();

    QCOMPARE(rig.controller.RateIndex(), index);
    for (const FakePlayer* player : {&rig.primary, &rig.partner}) {
        QCOMPARE(player->rate, std::optional(rate));
        QCOMPARE(QString::fromStdString(player->marquees.back().text), label);
        QCOMPARE(player->marquees.back().enable, shown);
    }
}

void CPlaybackControllerTest::RateTextIsSizedToThePicture_data()
{
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("size");
    QTest::newRow("1080 lines") << true << 1080 << 108;
    QTest::newRow("360 lines") << true << 360 << 36;
    QTest::newRow("height 0") << true << 0 << 48;
    QTest::newRow("no current file") << false << 720 << 48;
}

void CPlaybackControllerTest::RateTextIsSizedToThePicture()
{
    QFETCH(bool, known);
    QFETCH(int, height);
    QFETCH(int, size);
    CardRig rig;
    rig.library.pictureKnown = known;
    rig.library.pictureHeight = height;

    rig.controller.OnSlow();

    QCOMPARE(rig.primary.marquees.back().size, size);
    QCOMPARE(rig.partner.marquees.back().size, size);
}

void CPlaybackControllerTest::RateTextIsRepeatedAfterAStart()
{
    CardRig rig;
    rig.controller.OnFast();
    rig.controller.StartFile(1, StartVariant::Next);
    rig.primary.marquees.clear();

    int ticks = 0;
    while (rig.controller.IsTimerRunning(TIMER_RATE_MARQUEE) && ticks < 100) {
        rig.controller.OnTimer(TIMER_RATE_MARQUEE);
        ++ticks;
    }

    // With the one at the start, twelve times in about 3.3 s.
    QCOMPARE(ticks, 11);
    QCOMPARE(rig.primary.marquees.size(), 11u);
    QCOMPARE(rig.primary.marquees.back().text, std::string("1.2 X"));
}

void CPlaybackControllerTest::SeekTargetWaitsForTheSeekTimer_data()
{
    QTest::addColumn<qint64>("length");
    QTest::addColumn<int>("slider");
    QTest::addColumn<qint64>("target");
    // Whole milliseconds per slider step: 59 999 ms gives 59 per step.
    QTest::newRow("middle of 59 999 ms") << qint64(59'999) << 500 << qint64(29'500);
    QTest::newRow("end of a minute") << qint64(60'000) << 1000 << qint64(60'000);
    QTest::newRow("very start") << qint64(60'000) << 0 << qint64(0);
}

void CPlaybackControllerTest::SeekTargetWaitsForTheSeekTimer()
{
    QFETCH(qint64, length);
    QFETCH(int, slider);
    QFETCH(qint64, target);
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);
    rig.primary.length = length;
    rig.positionSlider.position = slider;

    rig.controller.OnPositionScroll();
    QVERIFY(rig.primary.seeks.empty());
    rig.controller.OnTimer(TIMER_APPLY_SEEK);

    const std::vector<std::int64_t> once = {target};
    QCOMPARE(rig.primary.seeks, once);
    QCOMPARE(rig.partner.seeks, once);
    QCOMPARE(rig.library.drivenRoutes, once);
    QCOMPARE(rig.controller.PendingSeek(), std::nullopt);
    rig.controller.OnTimer(TIMER_APPLY_SEEK);
    QCOMPARE(rig.primary.seeks, once);
}

void CPlaybackControllerTest::DraggingMovesTheInstrumentsAtOnce()
{
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);
    rig.library.noFixFrom = 20'000;
    rig.library.noFixUntil = 40'000;
    rig.window.mapPanelOn = true;
    rig.positionSlider.position = 500;

    rig.controller.OnSeekRequest();

    QCOMPARE(rig.library.telemetry.size(), 1u);
    QCOMPARE(rig.library.telemetry[0].ms, 30'000);
    QVERIFY(rig.library.telemetry[0].curveShown);
    QVERIFY(rig.library.telemetry[0].mapShown);
    QCOMPARE(rig.gpsIndicator.fix, std::optional(false));
    QCOMPARE(rig.controller.PendingSeek(), std::optional<std::int64_t>(30'000));

    // A recording of unknown length cannot be jumped in.
    rig.primary.length = -1;
    rig.controller.OnTimer(TIMER_APPLY_SEEK);
    rig.controller.OnSeekRequest();
    QCOMPARE(rig.controller.PendingSeek(), std::nullopt);
}

void CPlaybackControllerTest::PendingSeekHoldsTheSliderAndPlayerEventsDropIt()
{
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);
    for (const int event : {PLAYER_OPENING, PLAYER_PAUSED, PLAYER_END_REACHED}) {
        rig.positionSlider.position = 250;
        rig.controller.OnPositionScroll();

        rig.primary.Raise(PLAYER_TIME_CHANGED, 45'000);
        DeliverPosted();
        QCOMPARE(rig.positionSlider.position, 250);

        rig.primary.Raise(event);
        QCOMPARE(rig.controller.PendingSeek(), std::nullopt);
        rig.controller.OnTimer(TIMER_APPLY_SEEK);
        QVERIFY(rig.primary.seeks.empty());
        DeliverPosted();
    }

    // A jump asked for after a report was posted but before it arrives wins too.
    rig.positionSlider.position = 0;
    rig.primary.Raise(PLAYER_TIME_CHANGED, 45'000);
    rig.positionSlider.position = 600;
    rig.controller.OnPositionScroll();
    DeliverPosted();
    QCOMPARE(rig.positionSlider.position, 600);
}

void CPlaybackControllerTest::TimeReportsDriveTelemetryFromThePlayerThread()
{
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Open);
    rig.primary.length = 59'999;
    rig.library.noFixFrom = 2'000;
    rig.library.noFixUntil = 3'000;
    rig.controller.SetBusyOpening(true);

    std::thread([&] { rig.primary.Raise(PLAYER_TIME_CHANGED, 2'500); }).join();
    QVERIFY(!rig.controller.IsBusyOpening());
    QVERIFY(rig.library.telemetry.empty());  // nothing happens on the player's thread
    DeliverPosted();

    QCOMPARE(rig.library.telemetry.size(), 1u);
    QCOMPARE(rig.library.telemetry[0].ms, 2'500);
    QCOMPARE(rig.gpsIndicator.fix, std::optional(false));
    QCOMPARE(rig.positionSlider.position, 41);  // 2 500 / 59 999 of 1000, truncated

    std::thread([&] { rig.primary.Raise(PLAYER_TIME_CHANGED, 59'999); }).join();
    DeliverPosted();
    QCOMPARE(rig.gpsIndicator.fix, std::optional(true));
    QCOMPARE(rig.positionSlider.position, 1000);

    // Opening and stopping put the indicator out until the next report.
    for (const int event : {PLAYER_OPENING, PLAYER_STOPPED}) {
        std::thread([&] { rig.primary.Raise(event); }).join();
        DeliverPosted();
        QCOMPARE(rig.gpsIndicator.fix, std::optional(false));
        rig.gpsIndicator.fix = true;
    }
}

void CPlaybackControllerTest::PlayStateAndErrorReports()
{
    CardRig rig;
    rig.controller.StartFile(0, StartVariant::Deferred);

    rig.primary.Raise(PLAYER_PLAYING);
    DeliverPosted();
    QCOMPARE(rig.playButton.altShown, std::optional(true));
    rig.primary.Raise(PLAYER_PAUSED);
    DeliverPosted();
    QCOMPARE(rig.playButton.altShown, std::optional(false));

    rig.primary.Raise(PLAYER_ENCOUNTERED_ERROR);
    DeliverPosted();
    QCOMPARE(rig.window.playerErrors, 1);

    // The partner's own reports change nothing but its end is heard.
    rig.journal.Clear();
    for (const int event : {PLAYER_PLAYING, PLAYER_ENCOUNTERED_ERROR, PLAYER_TIME_CHANGED, PLAYER_END_REACHED})
        rig.partner.Raise(event, 1'000);
    DeliverPosted();
    QCOMPARE(rig.window.playerErrors, 1);
    QVERIFY(rig.library.telemetry.empty());
    QVERIFY(rig.journal.entries.empty());
}

void CPlaybackControllerTest::EndOfRecordingMovesOn_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("started");
    QTest::addColumn<bool>("stopsFirst");
    QTest::addColumn<bool>("repeatsRateText");
    QTest::newRow("first to second") << 0 << 1 << false << true;
    QTest::newRow("last wraps to first") << 2 << 0 << true << false;
    QTest::newRow("beyond the list counts as last") << 5 << 0 << true << false;
    QTest::newRow("none current starts the first") << -1 << 0 << true << false;
}

void CPlaybackControllerTest::EndOfRecordingMovesOn()
{
    QFETCH(int, current);
    QFETCH(int, started);
    QFETCH(bool, stopsFirst);
    QFETCH(bool, repeatsRateText);
    CardRig rig;
    rig.library.currentFile = current;

    PostWindowMessage(&rig.controller, UM_END_REACHED, 1);
    DeliverPosted();

    QVERIFY(rig.journal.Has("primary.OpenMedia " + rig.library.files[static_cast<std::size_t>(started)]));
    QCOMPARE(rig.library.currentFile, started);
    QCOMPARE(rig.journal.Has("primary.Stop"), stopsFirst);
    QCOMPARE(rig.controller.IsTimerRunning(TIMER_RATE_MARQUEE), repeatsRateText);
    QVERIFY(!rig.journal.Has("primarySurface.Show"));
}

void CPlaybackControllerTest::EndWithoutAutoNextHoldsAtTheStart()
{
    CardRig rig;
    rig.controller.StartFile(1, StartVariant::Open);
    rig.positionSlider.position = 999;
    rig.controller.OnLoop();
    QVERIFY(!rig.controller.AutoNext());
    rig.journal.Clear();

    rig.primary.Raise(PLAYER_END_REACHED);
    DeliverPosted();

    const std::vector<std::string> expected = {"primary.Stop", "primary.Play",  "partner.Stop",
                                               "partner.Play", "wait 50",       "primary.Pause",
                                               "partner.Pause"};
    QCOMPARE(rig.journal.entries, expected);
    QCOMPARE(rig.positionSlider.position, 0);
    QCOMPARE(rig.cursor.position, std::optional<std::int64_t>(0));
    QCOMPARE(rig.library.currentFile, 1);

    rig.controller.OnLoop();
    QVERIFY(rig.controller.AutoNext());
}

void CPlaybackControllerTest::VolumeAndMuteConcernOnlyThePrimary()
{
    CardRig rig;
    rig.volumeSlider.position = 37;

    rig.controller.OnVolumeChanged();
    rig.controller.OnMute(true);

    QCOMPARE(rig.primary.volume, std::optional(74));
    QCOMPARE(rig.partner.volume, std::optional(0));
    QCOMPARE(rig.primary.muted, std::optional(true));
    QCOMPARE(rig.partner.muted, std::nullopt);
}

QTEST_MAIN(CPlaybackControllerTest)
#include "CPlaybackControllerTest.moc"
