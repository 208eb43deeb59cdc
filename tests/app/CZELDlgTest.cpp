#include "WindowFakes.h"

#include "app/CZELApp.h"
#include "app/CZELDlg.h"
#include "app/ControlIds.h"
#include "browser/CZelGroupListCtrl.h"
#include "controls/CGdipButton.h"
#include "controls/CSkinSlider.h"
#include "controls/CVideoStatic.h"
#include "playback/CWindowMessageEvent.h"
#include "playback/WindowMessages.h"
#include "settings/CIniFile.h"
#include "settings/CIniSettings.h"
#include "support/RecordingFixture.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

// The main window with its players and dialogs replaced by recording
// stand-ins: start-up, closing, the commands, the window messages and the
// window states. The settings file lives in a temporary folder.

namespace {

// Three recordings of one drive, a minute each, without a break.
void WriteCard(const std::string& folder)
{
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 3; ++i) {
        fixtures::Recording recording;
        recording.date = fixtures::At(10, i, 0);
        fixtures::WriteRecording(folder + "/FILE00" + std::to_string(i + 1) + "1.MOV", recording);
    }
}

// The library joins folder, sub-folder and name with a separator each, so
// a file at the top of a source has two in a row; the file is the same.
QString Media(const FakePlayer& player)
{
    return player.mediaPath.empty() ? QString() : QDir::cleanPath(QString::fromStdString(player.mediaPath));
}

struct WindowRig {
    fixtures::TempFolder folder;
    Journal journal;
    FakePlayerPair* players = nullptr;
    FakeDialogs* dialogs = nullptr;
    std::unique_ptr<CIniSettings> settings;
    std::unique_ptr<CZELDlg> window;

    explicit WindowRig(const std::string& ini = {}, bool playersUsable = true)
    {
        const std::string iniPath = folder / "Zel.ini";
        std::ofstream(iniPath) << ini;
        settings = std::make_unique<CIniSettings>(iniPath);
        auto pair = std::make_unique<FakePlayerPair>(journal);
        players = pair.get();
        players->primary.usable = playersUsable;
        players->partner.usable = playersUsable;
        window = std::make_unique<CZELDlg>(std::move(pair), [this](QWidget&) {
            auto fake = std::make_unique<FakeDialogs>();
            dialogs = fake.get();
            return fake;
        }, *settings);
        window->show();
    }

    int Ini(const char* section, const char* key) const { return settings->ReadInt(section, key, -1); }
    QWidget* Child(int id) const { return window->Child(id); }
    CGdipButton* Button(int id) const { return static_cast<CGdipButton*>(Child(id)); }
    void Send(int message, std::uint64_t wParam = 0)
    {
        CWindowMessageEvent event(message, wParam);
        QCoreApplication::sendEvent(window.get(), &event);
    }
    // Loads the card the way OPEN with the file source does, without waiting.
    std::string LoadCard()
    {
        const std::string card = folder / "CARD";
        WriteCard(card);
        window->Library().Load(card, std::string());
        return card;
    }
};

} // namespace

class CZELDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The process-wide settings, which some dialogs read, stay out of the work tree.
        QDir::setCurrent(QDir::tempPath());
    }

    void StartsAtTheSavedPlaceNeverBelowTheMinimum_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("no settings") << QString() << QRect(0, 0, 800, 560);
        QTest::newRow("too small, off the top left")
            << QString("[WINPOS]\nLEFT=-40\nTOP=-10\nRIGHT=300\nBOTTOM=200\n") << QRect(0, 0, 800, 560);
    }

    void StartsAtTheSavedPlaceNeverBelowTheMinimum()
    {
        QFETCH(QString, ini);
        QFETCH(QRect, geometry);
        WindowRig rig(ini.toStdString());
        QCOMPARE(rig.window->geometry(), geometry);
    }

    void StartUpBindsPlayersHidesSurfacesAndStartsTimers()
    {
        WindowRig rig;
        QCOMPARE(rig.players->primary.window, rig.Child(IDC_VIDEO1));
        QCOMPARE(rig.players->partner.window, rig.Child(IDC_VIDEO2));
        QCOMPARE(rig.players->primary.volume, std::optional(200));
        QCOMPARE(rig.players->partner.volume, std::optional(0));
        QVERIFY(!rig.Child(IDC_VIDEO1)->isVisible());
        QVERIFY(!rig.Child(IDC_VIDEO2)->isVisible());
        QVERIFY(rig.Child(IDC_VIDEO_BG1)->isVisible());
        QVERIFY(!rig.Child(IDC_FLIP)->isVisible());
        QVERIFY(!rig.Child(IDC_FLIP)->isEnabled());
        QVERIFY(!rig.Child(IDC_PROGRESS)->isVisible());
        QVERIFY(rig.window->Playback().IsTimerRunning(TIMER_APPLY_SEEK));
        QVERIFY(rig.window->Playback().IsTimerRunning(TIMER_DEFERRED_START));
        QCOMPARE(rig.window->windowTitle(), QString("Tavrel"));
        QVERIFY(rig.dialogs->messages.empty());
    }

    void EachUnusablePlayerIsWarnedAbout()
    {
        WindowRig rig({}, false);
        QCOMPARE(rig.dialogs->messages.size(), 2u);
        QCOMPARE(rig.dialogs->messages[0].caption, std::string("Warning"));
        QVERIFY(rig.dialogs->messages[0].exclamation);
    }

    void PanelSwitchesComeFromTheSettings()
    {
        WindowRig rig("[UI]\nMAP_ENABLE=0\nGSNR_ENABLE=0\n");
        QVERIFY(!rig.window->MapPanelOn());
        QVERIFY(!rig.window->GSensorPanelOn());
        QVERIFY(!rig.Child(IDC_GSENSOR)->isVisible());
        QCOMPARE(rig.Child(IDC_FILE_LIST)->geometry().top(), 48);
        // Without the curves the group list takes their place below the slider.
        QCOMPARE(rig.Child(IDC_GROUP_LIST)->geometry().top(), rig.Child(IDC_POSITION)->geometry().bottom() + 6);
    }

    void ClosingStopsAndSavesThePlaceEscapeAndCancelDoNotClose()
    {
        WindowRig rig;
        rig.window->move(30, 20);
        QTest::keyClick(rig.window.get(), Qt::Key_Escape);
        QVERIFY(rig.window->isVisible());
        QCOMPARE(rig.Ini("WINPOS", "LEFT"), -1);

        rig.window->reject();
        QVERIFY(rig.window->isVisible());
        QCOMPARE(rig.Ini("WINPOS", "LEFT"), 30);

        rig.window->move(40, 50);
        rig.journal.Clear();
        rig.Button(IDC_CLOSE)->click();
        QVERIFY(!rig.window->isVisible());
        QVERIFY(rig.journal.Has("primary.Stop"));
        QCOMPARE(rig.Ini("WINPOS", "LEFT"), 40);
        QCOMPARE(rig.Ini("WINPOS", "TOP"), 50);
        QCOMPARE(rig.Ini("WINPOS", "RIGHT"), 840);
        QCOMPARE(rig.Ini("WINPOS", "BOTTOM"), 610);
    }

    void PlayersEndBeforeTheWindow()
    {
        auto rig = std::make_unique<WindowRig>();
        FakePlayerPair* players = rig->players;
        bool destroyedFirst = false;
        QObject::connect(&rig->window->Playback(), &QObject::destroyed,
                         [&] { destroyedFirst = players->destroyed; });
        rig->window.reset();
        QVERIFY(destroyedFirst);
    }

    void TransportCommandsReachPlayback()
    {
        WindowRig rig;
        rig.Button(IDC_FAST)->click();
        rig.Button(IDC_FAST)->click();
        QCOMPARE(rig.window->Playback().RateIndex(), 9);
        rig.Button(IDC_SLOW)->click();
        QCOMPARE(rig.window->Playback().RateIndex(), 8);
        rig.Button(IDC_STOP)->click();
        QCOMPARE(rig.window->Playback().RateIndex(), 7);
        rig.Button(IDC_LOOP)->click();
        QVERIFY(!rig.window->Playback().AutoNext());
        QVERIFY(rig.Button(IDC_LOOP)->AltShown());
    }

    void MuteFollowsTheButtonsPicture()
    {
        WindowRig rig;
        rig.Button(IDC_MUTE)->click();
        QCOMPARE(rig.players->primary.muted, std::optional(true));
        rig.Button(IDC_MUTE)->click();
        QCOMPARE(rig.players->primary.muted, std::optional(false));
    }

    void MapSwitchLaysOutAndRemembers()
    {
        WindowRig rig;
        rig.Button(IDC_MAP)->click();
        QVERIFY(!rig.window->MapPanelOn());
        QCOMPARE(rig.Ini("UI", "MAP_ENABLE"), 0);
        QCOMPARE(rig.Child(IDC_FILE_LIST)->geometry().top(), 48);
        if (rig.window->MapView())
            QVERIFY(!rig.window->MapView()->isVisible());
        rig.Button(IDC_MAP)->click();
        QCOMPARE(rig.Ini("UI", "MAP_ENABLE"), 1);
        QCOMPARE(rig.Child(IDC_FILE_LIST)->geometry().top(), 293);
    }

    void GSensorSwitchLaysOutAndRemembers()
    {
        WindowRig rig;
        const int videoBottom = rig.Child(IDC_VIDEO_BG1)->geometry().bottom();
        rig.Button(IDC_GSR)->click();
        QVERIFY(!rig.Child(IDC_GSENSOR)->isVisible());
        QCOMPARE(rig.Ini("UI", "GSNR_ENABLE"), 0);
        QCOMPARE(rig.Child(IDC_VIDEO_BG1)->geometry().bottom(), videoBottom + rig.Child(IDC_GSENSOR)->height());
        rig.Button(IDC_GSR)->click();
        QVERIFY(rig.Child(IDC_GSENSOR)->isVisible());
        QCOMPARE(rig.Ini("UI", "GSNR_ENABLE"), 1);
    }

    void WindowSizesUseTheMonitor_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QRect>("geometry");
        // The offscreen monitor is 800 x 800.
        QTest::newRow("S") << int(IDC_SIZE_S) << QRect(0, 120, 800, 560);
        QTest::newRow("M") << int(IDC_SIZE_M) << QRect(100, 100, 800, 640);
        QTest::newRow("L") << int(IDC_SIZE_L) << QRect(0, 0, 800, 800);
    }

    void WindowSizesUseTheMonitor()
    {
        QFETCH(int, command);
        QFETCH(QRect, geometry);
        WindowRig rig;
        QCOMPARE(rig.window->screen()->geometry(), QRect(0, 0, 800, 800));
        rig.window->OnCommand(IDC_MAXIMISE);
        rig.window->OnCommand(command);
        QCOMPARE(rig.window->geometry(), geometry);
        QVERIFY(!rig.window->IsMaximised());
    }

    void MaximiseAndRestore()
    {
        WindowRig rig;
        rig.window->setGeometry(10, 5, 800, 560);
        rig.Button(IDC_MAXIMISE)->click();
        QVERIFY(rig.window->IsMaximised());
        QCOMPARE(rig.window->geometry(), QRect(0, 0, 800, 800));
        // A double click on the background acts the same.
        QTest::mouseDClick(rig.window.get(), Qt::LeftButton, {}, QPoint(400, 30));
        QVERIFY(!rig.window->IsMaximised());
        QCOMPARE(rig.window->geometry(), QRect(10, 5, 800, 560));
    }

    void FileCommandsWithAnEmptyListSayNoFiles_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("DEL") << int(IDC_DEL);
        QTest::newRow("SAVE") << int(IDC_SAVE);
        QTest::newRow("LOCK") << int(IDC_LOCK);
        QTest::newRow("KML") << int(IDC_KML);
        QTest::newRow("SNAP") << int(IDC_SNAP);
    }

    void FileCommandsWithAnEmptyListSayNoFiles()
    {
        QFETCH(int, command);
        WindowRig rig;
        rig.window->OnCommand(command);
        QCOMPARE(rig.dialogs->messages.size(), 1u);
        QCOMPARE(rig.dialogs->messages[0].caption, std::string("OK"));
        QCOMPARE(rig.dialogs->messages[0].text, std::string("No files in list."));
        QVERIFY(rig.players->snapshots.empty());
    }

    void DeleteWithNothingCheckedStopsAndAsksForASelection()
    {
        WindowRig rig;
        rig.LoadCard();
        rig.window->OnCommand(IDC_DEL);
        QVERIFY(rig.journal.Has("primary.Stop"));
        QVERIFY(rig.journal.Has("partner.Stop"));
        QCOMPARE(rig.dialogs->messages.size(), 1u);
        QCOMPARE(rig.dialogs->messages[0].caption, std::string("Confirm file selection"));
        QCOMPARE(rig.window->Library().Files().size(), 3u);
    }

    void SnapshotPausesWhileTheDialogIsOpen_data()
    {
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("playing, saved") << true << true;
        QTest::newRow("playing, cancelled") << true << false;
        QTest::newRow("paused, saved") << false << true;
    }

    void SnapshotPausesWhileTheDialogIsOpen()
    {
        QFETCH(bool, playing);
        QFETCH(bool, chosen);
        WindowRig rig;
        rig.LoadCard();
        rig.players->primary.playing = playing;
        bool playingDuringDialog = true;
        rig.dialogs->whileSnapshotDialogOpen = [&] { playingDuringDialog = rig.players->primary.playing; };
        if (chosen)
            rig.dialogs->snapshotAnswer = "/tmp/picture.png";
        rig.Button(IDC_SNAP)->click();
        QVERIFY(!playingDuringDialog);
        QCOMPARE(rig.players->primary.playing, playing);
        QCOMPARE(rig.players->snapshots.size(), chosen ? 1u : 0u);
        QVERIFY(!rig.players->partner.playing);
    }

    void OpenFileStartsAtOnceOpenFolderShortlyAfterTheScan()
    {
        WindowRig rig;
        const std::string card = rig.folder / "CARD";
        WriteCard(card);

        rig.dialogs->mediaSourceAnswer = MediaSource{MediaSource::Kind::File, card + "/FILE0021.MOV"};
        rig.Button(IDC_OPEN)->click();
        QCOMPARE(rig.window->Library().Files().size(), 1u);
        QCOMPARE(Media(rig.players->primary), QString::fromStdString(card + "/FILE0021.MOV"));
        QVERIFY(rig.Button(IDC_PLAY)->AltShown());

        rig.dialogs->mediaSourceAnswer = MediaSource{MediaSource::Kind::Folder, card};
        rig.journal.Clear();
        rig.Button(IDC_OPEN)->click();
        QCOMPARE(rig.window->Library().Files().size(), 3u);
        QVERIFY(rig.window->Playback().IsBusyOpening());
        QVERIFY(rig.journal.Has("primary.Stop"));
        QVERIFY(std::none_of(rig.journal.entries.begin(), rig.journal.entries.end(),
                             [](const std::string& entry) { return entry.starts_with("primary.OpenMedia"); }));
        QTRY_COMPARE_WITH_TIMEOUT(Media(rig.players->primary), QString::fromStdString(card + "/FILE0011.MOV"), 2000);

        // A second OPEN before the first time report is ignored.
        rig.dialogs->mediaSourceAnswer = MediaSource{MediaSource::Kind::File, card + "/FILE0031.MOV"};
        rig.Button(IDC_OPEN)->click();
        QCOMPARE(rig.window->Library().Files().size(), 3u);
    }

    void OpenCancelledOrEmptyStartsNothing()
    {
        WindowRig rig;
        rig.Button(IDC_OPEN)->click();
        QVERIFY(rig.journal.Has("primary.Stop"));
        rig.dialogs->mediaSourceAnswer = MediaSource{MediaSource::Kind::Folder, ""};
        rig.Button(IDC_OPEN)->click();
        QVERIFY(!rig.window->Playback().IsBusyOpening());
        rig.dialogs->mediaSourceAnswer = MediaSource{MediaSource::Kind::Disk, rig.folder.Path()};
        rig.Button(IDC_OPEN)->click();
        QVERIFY(!rig.window->Playback().IsBusyOpening());
        QVERIFY(rig.window->Library().Files().empty());
    }

    void ListMessagesStartRecordingsUnlessAnOpenIsBusy()
    {
        WindowRig rig;
        const std::string card = rig.LoadCard();
        rig.window->Playback().SetBusyOpening(true);
        rig.Send(UM_PLAY_FILE, 2);
        QCOMPARE(Media(rig.players->primary), QString::fromStdString(std::string()));
        rig.window->Playback().SetBusyOpening(false);
        rig.Send(UM_PLAY_FILE, 2);
        QCOMPARE(Media(rig.players->primary), QString::fromStdString(card + "/FILE0031.MOV"));
        rig.window->Playback().SetBusyOpening(false);
        rig.Send(UM_PLAY_GROUP, 0);
        QCOMPARE(Media(rig.players->primary), QString::fromStdString(card + "/FILE0011.MOV"));
        rig.window->Playback().SetBusyOpening(false);
        rig.Send(UM_PLAY_FILE, static_cast<std::uint64_t>(-1));
        QCOMPARE(Media(rig.players->primary), QString::fromStdString(card + "/FILE0011.MOV"));
    }

    void SliderMessagesSeekAndSetTheVolume()
    {
        WindowRig rig;
        static_cast<CSkinSlider*>(rig.Child(IDC_POSITION))->setValue(500);
        rig.players->primary.length = 59'999;
        rig.Send(UM_SEEK_REQUEST);
        QCOMPARE(rig.window->Playback().PendingSeek(), std::optional<std::int64_t>(29'500));
        static_cast<CSkinSlider*>(rig.Child(IDC_VOLUME))->setValue(40);
        rig.Send(UM_VOLUME_CHANGED);
        QCOMPARE(rig.players->primary.volume, std::optional(80));
        QCOMPARE(rig.players->partner.volume, std::optional(0));
    }

    void PlayerReportsThatReachTheWindowAreHandled()
    {
        WindowRig rig;
        rig.Send(UM_PLAY_STATE, 3);
        QVERIFY(rig.Button(IDC_PLAY)->AltShown());
        rig.Send(UM_PLAY_STATE, 4);
        QVERIFY(!rig.Button(IDC_PLAY)->AltShown());
        rig.Send(UM_PLAYER_ERROR, 1);
        QCOMPARE(rig.dialogs->messages.size(), 1u);
        QCOMPARE(rig.dialogs->messages[0].text, std::string("Media player encountered a error."));
        rig.Send(UM_RESERVED);
        rig.Send(UM_PARTNER_END_REACHED, 1);
        QCOMPARE(rig.dialogs->messages.size(), 1u);
    }

    void MapChoiceFollowsTheSettingsAndTheConfiguration()
    {
        WindowRig rig;
        QCOMPARE(rig.window->MapChoice(), 0);
        rig.settings->WriteInt(CIniSettings::kSectionUi, CIniSettings::kKeyMap, 7);
        rig.Send(UM_MAP_TYPE_CHANGED, 1);
        QCOMPARE(rig.window->MapChoice(), 1);
        if (rig.window->MapView())
            QCOMPARE(rig.window->MapView()->MapChoice(), 1);

        rig.Button(IDC_CONF)->click();  // cancelled
        QCOMPARE(rig.window->MapChoice(), 1);
        rig.dialogs->configurationAnswer = 0;
        rig.Button(IDC_CONF)->click();
        QCOMPARE(rig.window->MapChoice(), 0);
    }

    void LanguageChangeRetitlesListsAndTips()
    {
        WindowRig rig;
        auto* groups = static_cast<QTreeWidget*>(rig.Child(IDC_GROUP_LIST));
        const QString english = groups->headerItem()->text(0);
        rig.settings->SetLanguage(7);  // German
        rig.Send(UM_LANGUAGE_CHANGED);
        QVERIFY(groups->headerItem()->text(0) != english);
    }

    void FullScreenTakesTheVideoUnderThePointer()
    {
        WindowRig rig;
        rig.LoadCard();
        rig.window->Playback().StartFile(0, StartVariant::Open);
        rig.players->partner.playing = true;
        rig.window->setGeometry(0, 0, 800, 560);
        QWidget* second = rig.Child(IDC_VIDEO2);
        second->show();
        QCursor::setPos(second->mapToGlobal(second->rect().center()));

        rig.Send(UM_TOGGLE_FULLSCREEN);
        QVERIFY(rig.window->IsFullScreen());
        QCOMPARE(rig.window->FullScreenView(), 2);
        // The client already spans the monitor's width: one pixel short.
        QCOMPARE(rig.window->geometry(), QRect(0, 0, 800, 799));
        QCOMPARE(second->geometry().width(), 800);
        QVERIFY(!rig.Child(IDC_PLAY)->isVisible());
        QVERIFY(!rig.Child(IDC_VIDEO1)->isVisible());
        QVERIFY(rig.players->primary.playing);  // paused and played again
        // The map switch is off in full screen.
        rig.Button(IDC_MAP)->click();
        QVERIFY(rig.window->MapPanelOn());

        rig.Send(UM_TOGGLE_FULLSCREEN);
        QVERIFY(!rig.window->IsFullScreen());
        QCOMPARE(rig.window->geometry(), QRect(0, 0, 800, 560));
        QVERIFY(rig.Child(IDC_PLAY)->isVisible());
        QVERIFY(rig.Child(IDC_VIDEO1)->isVisible());
        QVERIFY(!rig.Child(IDC_FLIP)->isVisible());
    }

    void FullScreenWithoutRecordingsOnlyRemembersTheVideo()
    {
        WindowRig rig;
        QWidget* first = rig.Child(IDC_VIDEO_BG1);
        QCursor::setPos(first->mapToGlobal(first->rect().center()));
        rig.Send(UM_TOGGLE_FULLSCREEN);
        QVERIFY(!rig.window->IsFullScreen());
        QCOMPARE(rig.window->geometry(), QRect(0, 0, 800, 560));
    }

    void CommandLinePathOpensAsAFolderOrAFile()
    {
        fixtures::TempFolder folder;
        const std::string card = folder / "CARD";
        WriteCard(card);
        const QString file = QString::fromStdString(card + "/FILE0011.MOV");
        QCOMPARE(CZELApp::StartSource(QString::fromStdString(card))->kind, MediaSource::Kind::Folder);
        QCOMPARE(CZELApp::StartSource(file)->kind, MediaSource::Kind::File);
        QCOMPARE(CZELApp::StartSource(file)->path, file.toStdString());
        QVERIFY(!CZELApp::StartSource(file + "-missing"));
        QVERIFY(!CZELApp::StartSource(QString()));
    }

    void SplitterAndGripDrags()
    {
        WindowRig rig;
        QWidget* window = rig.window.get();
        // The panel splitter, dragged far right: the right column keeps 20 pixels.
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(552, 300));
        QTest::mouseMove(window, QPoint(799, 300));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(799, 300));
        QCOMPARE(rig.Child(IDC_FILE_LIST)->geometry().width(), 20);
        // The grip never makes the window smaller than 800 x 560.
        rig.window->resize(1000, 700);
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(990, 690));
        QTest::mouseMove(window, QPoint(300, 900));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(300, 900));
        QCOMPARE(rig.window->size(), QSize(800, 900));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    CZELDlgTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CZELDlgTest.moc"
