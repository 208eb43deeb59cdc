#include "app/CMediaPlayerPair.h"
#include "app/CZELApp.h"
#include "app/CZELDlg.h"
#include "app/ControlIds.h"
#include "app/IWindowDialogs.h"
#include "browser/CZelRecordingListCtrl.h"
#include "browser/LockImages.h"
#include "controls/CKepToolTipCtrl.h"
#include "controls/CSkinSlider.h"
#include "instruments/CGSensorCtrl.h"
#include "instruments/CPngCompassStatic.h"
#include "instruments/CSpeedLabelStatic.h"
#include "instruments/CStatusBoardStatic.h"
#include "instruments/InstrumentText.h"
#include "map/CHtmlMapDlg.h"
#include "playback/CMediaPlayer.h"
#include "playback/CWindowMessageEvent.h"
#include "playback/WindowMessages.h"
#include "settings/CIniSettings.h"
#include "settings/dialog/CKepConfigDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWebEnginePage>

#include <array>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The whole player as a user drives it, on a fresh demo memory card: the
// real main window with the video library, the recording library, the lists,
// the instruments and the map. Only the modal dialogs and message boxes are
// answered by a script, since a modal loop would wait for a person. The
// steps build on each other, in the order they are declared.
//
// The card (made by tools/make-demo-card) holds two drives of three one-
// minute recordings each: MOV files from 10:00 with FILG0021 G-locked, AVI
// files from 10:10 with FILE0051 read-only and ten seconds without a GPS fix.

namespace {

const QString kCli = QStringLiteral(QT_TESTCASE_BUILDDIR "/tavrel-cli");

struct ShownMessage {
    QString caption;
    QString text;
};

// Answers the window's questions as the test scripted them and keeps what was asked and shown.
class ScriptedDialogs final : public IWindowDialogs {
public:
    explicit ScriptedDialogs(QWidget& owner) : m_owner(owner) {}

    std::optional<MediaSource> mediaSource;
    std::optional<std::string> folder;
    // Plays the user in front of the real configuration dialog; without it the dialog is cancelled.
    std::function<void(CKepConfigDlg&)> configure;

    QStringList questions;
    QStringList folderTitles;
    std::vector<ShownMessage> messages;

    bool Confirm(const std::string& caption, const std::string& question) override
    {
        questions << QString::fromStdString(caption + ": " + question);
        return true;
    }
    std::optional<std::string> ChooseFolder(const std::string& title) override
    {
        folderTitles << QString::fromStdString(title);
        return folder;
    }
    void ShowMessage(const std::string& caption, const std::string& text, Icon) override
    {
        messages.push_back({QString::fromStdString(caption), QString::fromStdString(text)});
    }
    std::optional<MediaSource> ChooseMediaSource() override { return mediaSource; }
    std::optional<int> RunConfiguration() override
    {
        CKepConfigDlg dialog(&m_owner);
        dialog.show();
        if (configure)
            configure(dialog);
        if (dialog.isVisible())
            dialog.reject();
        if (dialog.result() != QDialog::Accepted)
            return std::nullopt;
        return dialog.MapChoice();
    }
    std::optional<std::string> ChooseSnapshotPath() override { return std::nullopt; }
    void ShowAbout() override {}

private:
    QWidget& m_owner;
};

// One GPS record as the command line decodes it from the file.
struct GpsRecord {
    qint64 ms = 0;
    bool fix = false;
    double latitude = 0;
    double longitude = 0;
    int altitude = 0;
    int speed = 0;
    int heading = 0;
};

// The command line's reading of a recording's GPS track; empty when it could not be read.
std::vector<GpsRecord> Track(const QString& recording)
{
    QProcess cli;
    cli.start(kCli, {QStringLiteral("track"), recording});
    if (!cli.waitForFinished(30'000) || cli.exitCode() != 0)
        return {};
    std::vector<GpsRecord> track;
    const QList<QByteArray> lines = cli.readAllStandardOutput().split('\n');
    // index,ms,fix,latitude,longitude,altitude,speedKmh,headingDeg,datetime; then the G-sensor table.
    for (qsizetype i = 1; i < lines.size() && !lines[i].startsWith("index,"); ++i) {
        const QList<QByteArray> f = lines[i].split(',');
        if (f.size() < 8)
            continue;
        track.push_back({f[1].toLongLong(), f[2] == "1", f[3].toDouble(), f[4].toDouble(), f[5].toInt(), f[6].toInt(),
                         f[7].toInt()});
    }
    return track;
}

// The record the camera wrote last before `ms` into the recording.
GpsRecord RecordAt(const std::vector<GpsRecord>& track, double ms)
{
    GpsRecord at;
    for (const GpsRecord& record : track) {
        if (static_cast<double>(record.ms) > ms)
            break;
        at = record;
    }
    return at;
}

QStringList RowTexts(const QTreeWidget* list, int row)
{
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(row);
    for (int column = 0; item && column < list->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

QStringList Titles(const QTreeWidget* list)
{
    QStringList titles;
    for (int column = 0; column < list->columnCount(); ++column)
        titles << list->headerItem()->text(column);
    return titles;
}

QStringList Column(const QTreeWidget* list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

QImage IconImage(const QIcon& icon)
{
    return icon.pixmap(kLockImageSize, kLockImageSize).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Which of the four lock pictures (none, G, M, both) a row shows; -1 for anything else.
int LockImage(const QTreeWidget* list, int row)
{
    static const std::array<QIcon, 4> pictures = LoadLockImages();
    const QImage shown = IconImage(list->topLevelItem(row)->icon(0));
    for (int i = 0; i < static_cast<int>(pictures.size()); ++i)
        if (shown == IconImage(pictures[static_cast<std::size_t>(i)]))
            return i;
    return -1;
}

QList<int> LockImages(const QTreeWidget* list)
{
    QList<int> images;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        images << LockImage(list, row);
    return images;
}

// The list's size text: whole MiB with a leading blank.
QString Megabytes(qint64 bytes)
{
    return QStringLiteral(" %1 MB").arg(bytes >> 20);
}

QString Joined(const QList<int>& values)
{
    QStringList texts;
    for (const int value : values)
        texts << QString::number(value);
    return texts.join(' ');
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVariant Evaluate(QWebEnginePage* page, const QString& script)
{
    // Shared, so that an answer arriving after a timeout writes nowhere harmful.
    auto answer = std::make_shared<std::pair<bool, QVariant>>();
    page->runJavaScript(script, [answer](const QVariant& value) { *answer = {true, value}; });
    if (!QTest::qWaitFor([&] { return answer->first; }, 10'000))
        return {};
    return answer->second;
}

// The percentages the progress board showed while it was on screen, each once.
class ProgressRecorder : public QObject {
public:
    explicit ProgressRecorder(CStatusBoardStatic& board) : m_board(board) { board.installEventFilter(this); }
    ~ProgressRecorder() override { m_board.removeEventFilter(this); }

    QList<int> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_board && event->type() == QEvent::Paint && m_board.isVisible() &&
            (shown.isEmpty() || shown.back() != m_board.Percent()))
            shown << m_board.Percent();
        return false;
    }

private:
    CStatusBoardStatic& m_board;
};

const QStringList kMovies = {"FILE0011.MOV", "FILG0021.MOV", "FILE0031.MOV",
                             "FILE0041.AVI", "FILE0051.AVI", "FILE0061.AVI"};

} // namespace

class EndToEndDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(QFileInfo(kCli).isExecutable());
        m_card = m_root.filePath("card");
        QProcess maker;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TAVREL_BUILD_DIR", QT_TESTCASE_BUILDDIR);
        maker.setProcessEnvironment(environment);
        maker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        maker.setStandardOutputFile(QProcess::nullDevice());
        maker.start(QT_TESTCASE_SOURCEDIR "/tools/make-demo-card", {m_card});
        QVERIFY(maker.waitForFinished(180'000));
        QCOMPARE(maker.exitCode(), 0);

        // The KML goes below the documents folder, which must be ours.
        QVERIFY(QDir(m_root.path()).mkpath("home"));
        m_documents = m_root.filePath("documents");
        QVERIFY(QDir(m_root.path()).mkpath("documents"));
        qputenv("HOME", m_root.filePath("home").toLocal8Bit());
        qputenv("XDG_DOCUMENTS_DIR", m_documents.toLocal8Bit());

        // Zel.ini in the current directory, read by the first use of the settings.
        QVERIFY(QDir(m_root.path()).mkpath("work"));
        QVERIFY(QDir::setCurrent(m_root.filePath("work")));
        QFile ini("Zel.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[WINPOS]\nLEFT=0\nTOP=0\nRIGHT=1200\nBOTTOM=780\n");
        ini.close();
        CIniSettings& settings = CIniSettings::Instance();
        QCOMPARE(QString::fromStdString(settings.Path().string()), m_root.filePath("work/Zel.ini"));

        auto players = std::make_unique<CMediaPlayerPair>();
        m_primary = dynamic_cast<CMediaPlayer*>(&players->Primary());
        QVERIFY(m_primary && m_primary->IsUsable());
        m_window = std::make_unique<CZELDlg>(std::move(players), [this](QWidget& owner) {
            auto dialogs = std::make_unique<ScriptedDialogs>(owner);
            m_dialogs = dialogs.get();
            return dialogs;
        }, settings);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanupTestCase()
    {
        // The players' threads end with the window, before the card goes.
        m_window.reset();
    }

    void OpenFolderListsTheCardAndPlaysItsFirstRecording()
    {
        const QString speedBefore = Speed()->SpeedText();
        const int compassBefore = Compass()->ImageIndex();
        QCOMPARE(compassBefore, 0);
        QVERIFY(!QFileInfo(Front("FILE0051.AVI")).permissions().testFlag(QFile::WriteOwner));

        m_dialogs->mediaSource = MediaSource{MediaSource::Kind::Folder, m_card.toStdString()};
        Click(IDC_OPEN);

        qint64 sizes[2] = {0, 0};
        for (int i = 0; i < kMovies.size(); ++i)
            sizes[i / 3] += QFileInfo(Front(kMovies[i])).size();
        QCOMPARE(Groups()->topLevelItemCount(), 2);
        QCOMPARE(RowTexts(Groups(), 0),
                 QStringList({"G0", "640x360", "2024-05-18 10:00:00", " 180 s ", Megabytes(sizes[0])}));
        QCOMPARE(RowTexts(Groups(), 1),
                 QStringList({"G1", "640x360", "2024-05-18 10:10:00", " 180 s ", Megabytes(sizes[1])}));
        QCOMPARE(LockImages(Groups()), QList<int>({1, 2}));

        const QStringList starts = {"10:00:00", "10:01:00", "10:02:00", "10:10:00", "10:11:00", "10:12:00"};
        const QStringList ends = {"10:01:00", "10:02:00", "10:03:00", "10:11:00", "10:12:00", "10:13:00"};
        const QStringList ids = {"G0-0", "G0-1", "G0-2", "G1-0", "G1-1", "G1-2"};
        QCOMPARE(Files()->topLevelItemCount(), kMovies.size());
        for (int row = 0; row < kMovies.size(); ++row) {
            const QStringList texts = RowTexts(Files(), row);
            QCOMPARE(texts.mid(0, 5), QStringList({ids[row], kMovies[row], starts[row], ends[row],
                                                   Megabytes(QFileInfo(Front(kMovies[row])).size())}));
            QCOMPARE(QDir::cleanPath(texts[5]), m_card + "/DCIM/MOVIEF");
        }
        QCOMPARE(LockImages(Files()), QList<int>({0, 1, 0, 0, 2, 0}));

        // The first recording starts half a second after the scan.
        QTRY_COMPARE_WITH_TIMEOUT(Playing(), Front("FILE0011.MOV"), 10'000);
        QTRY_VERIFY_WITH_TIMEOUT(m_primary->GetTime() > 500, 20'000);
        const qint64 early = m_primary->GetTime();
        QTRY_VERIFY_WITH_TIMEOUT(m_primary->GetTime() > early + 1000, 20'000);
        QVERIFY(Groups()->IsHighlighted(0) && !Groups()->IsHighlighted(1));
        QVERIFY(Files()->IsHighlighted(0) && !Files()->IsHighlighted(1));

        // The car stands for three seconds, then pulls away eastwards.
        const std::vector<GpsRecord> track = Track(Front("FILE0011.MOV"));
        QVERIFY(!track.empty());
        QTRY_COMPARE_WITH_TIMEOUT(Compass()->ImageIndex(),
                                  CompassImageIndex(track.front().heading, Compass()->ImageCount()), 10'000);
        QTRY_VERIFY_WITH_TIMEOUT(Speed()->SpeedText() != speedBefore, 30'000);
        QVERIFY(Speed()->SpeedText().trimmed().toInt() > 0);
        QVERIFY(Curves()->Window().position > 3000);
    }

    void PositionSliderMovesTheInstrumentsToTheNewTime()
    {
        const std::vector<GpsRecord> track = Track(Front("FILE0011.MOV"));
        QVERIFY(!track.empty());
        const qint64 length = m_primary->GetLength();
        QVERIFY(length > 55'000);
        const int speedBefore = Speed()->SpeedText().trimmed().toInt();

        // Three quarters in, the car runs at about 50 km/h; the slider's range is 0..1000.
        constexpr int kPosition = 750;
        Slider()->setValue(kPosition);
        CWindowMessageEvent seek(UM_SEEK_REQUEST, 0);
        QCoreApplication::sendEvent(m_window.get(), &seek);

        const double cursor = Curves()->Window().position;
        QVERIFY(qAbs(cursor - static_cast<double>(length) * kPosition / 1000) < 1000);
        const GpsRecord expected = RecordAt(track, cursor);
        QVERIFY(expected.speed != speedBefore);
        QCOMPARE(Speed()->SpeedText().trimmed().toInt(), expected.speed);
        QCOMPARE(Compass()->ImageIndex(), CompassImageIndex(expected.heading, Compass()->ImageCount()));

        // The players jump there and play on from the new place.
        const auto target = static_cast<qint64>(cursor);
        QTRY_VERIFY_WITH_TIMEOUT(m_primary->GetTime() > target - 1500 && m_primary->GetTime() < target + 20'000,
                                 20'000);
        QTRY_VERIFY_WITH_TIMEOUT(Slider()->Position() > kPosition, 20'000);
        QVERIFY(Curves()->Window().position >= cursor);
    }

    void DoubleClickedRowsPlayTheirRecordings()
    {
        // Rows are ignored until the recording that is opening plays.
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->Playback().IsBusyOpening(), 20'000);
        QVERIFY(DoubleClickRow(Groups(), 1));
        QTRY_COMPARE_WITH_TIMEOUT(Playing(), Front("FILE0041.AVI"), 10'000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->Playback().IsBusyOpening() && m_primary->GetTime() > 500, 20'000);
        QVERIFY(Groups()->IsHighlighted(1) && !Groups()->IsHighlighted(0));
        QVERIFY(Files()->IsHighlighted(3) && !Files()->IsHighlighted(0));
        // The second drive heads south-west.
        const std::vector<GpsRecord> track = Track(Front("FILE0041.AVI"));
        QVERIFY(!track.empty());
        QTRY_COMPARE_WITH_TIMEOUT(Compass()->ImageIndex(),
                                  CompassImageIndex(track.front().heading, Compass()->ImageCount()), 10'000);

        QVERIFY(DoubleClickRow(Files(), 4));
        QTRY_COMPARE_WITH_TIMEOUT(Playing(), Front("FILE0051.AVI"), 10'000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->Playback().IsBusyOpening() && m_primary->GetTime() > 500, 20'000);
        QVERIFY(Files()->IsHighlighted(4) && !Files()->IsHighlighted(3));
        QVERIFY(Groups()->IsHighlighted(1) && !Groups()->IsHighlighted(0));
    }

    void KmlHoldsTheUsableFixesOfThePlayingRecording()
    {
        const std::vector<GpsRecord> track = Track(Front("FILE0051.AVI"));
        std::vector<GpsRecord> fixes;
        for (const GpsRecord& record : track)
            if (record.fix)
                fixes.push_back(record);
        // The recording loses its fix for ten seconds.
        QVERIFY(!fixes.empty() && fixes.size() < track.size());

        const std::size_t before = m_dialogs->messages.size();
        Click(IDC_KML);
        QCOMPARE(m_dialogs->messages.size(), before + 1);
        const QString path = m_documents + "/ZEL/KML/FILE0051_2024_05_18_10-11-00.KML";
        QCOMPARE(m_dialogs->messages.back().caption, QStringLiteral("Save KML"));
        QCOMPARE(m_dialogs->messages.back().text, "Save KML file: " + path + " OK.");

        const QString kml = QString::fromUtf8(Contents(path));
        const QString opening = QStringLiteral("<coordinates>");
        const qsizetype from = kml.indexOf(opening) + opening.size();
        const qsizetype to = kml.indexOf("</coordinates>");
        QVERIFY(from > opening.size() && to > from);
        const QStringList points =
            kml.mid(from, to - from).split('\n', Qt::SkipEmptyParts).filter(QRegularExpression("\\S"));
        QCOMPARE(points.size(), static_cast<qsizetype>(fixes.size()));
        const auto point = [](const GpsRecord& r) {
            return QString::asprintf("%.6f,%.6f,%d", r.longitude, r.latitude, r.altitude);
        };
        QCOMPARE(points.front().trimmed(), point(fixes.front()));
        QCOMPARE(points.back().trimmed(), point(fixes.back()));
        QVERIFY(!QDir(m_root.filePath("home/Documents")).exists());
    }

    void LockRemovesBothLocksOfTheCheckedGroups()
    {
        QVERIFY(Check(0, true));
        QVERIFY(Check(1, true));
        const std::size_t messages = m_dialogs->messages.size();
        Click(IDC_LOCK);
        QCOMPARE(m_dialogs->messages.size(), messages);

        QVERIFY(!QFile::exists(Front("FILG0021.MOV")));
        QVERIFY(QFile::exists(Front("FIL_0021.MOV")));
        QVERIFY(QFileInfo(Front("FILE0051.AVI")).permissions().testFlag(QFile::WriteOwner));
        QCOMPARE(Column(Files(), 1), QStringList({"FILE0011.MOV", "FIL_0021.MOV", "FILE0031.MOV", "FILE0041.AVI",
                                                  "FILE0051.AVI", "FILE0061.AVI"}));
        QCOMPARE(LockImages(Groups()), QList<int>({0, 0}));
        QCOMPARE(LockImages(Files()), QList<int>({0, 0, 0, 0, 0, 0}));
    }

    void DeleteRemovesTheCheckedGroupFromDiskAndLists()
    {
        QVERIFY(Check(0, false));
        QVERIFY(Check(1, true));
        Click(IDC_DEL);
        QCOMPARE(m_dialogs->questions.last(),
                 QStringLiteral("Delete Files: Are you sure to delete the checked files?"));

        for (const char* gone : {"FILE0041.AVI", "FILE0051.AVI", "FILE0061.AVI"})
            QVERIFY2(!QFile::exists(Front(gone)), gone);
        for (const char* kept : {"FILE0011.MOV", "FIL_0021.MOV", "FILE0031.MOV"})
            QVERIFY2(QFile::exists(Front(kept)), kept);
        // The second camera's recordings are not in the lists and stay.
        QVERIFY(QFile::exists(m_card + "/DCIM/MOVIER/FILE005R.AVI"));
        QCOMPARE(Column(Groups(), 0), QStringList({"G0"}));
        QCOMPARE(Column(Files(), 1), QStringList({"FILE0011.MOV", "FIL_0021.MOV", "FILE0031.MOV"}));
        QVERIFY(!m_window->Child(IDC_VIDEO1)->isVisible());
        QVERIFY(!m_window->Child(IDC_VIDEO2)->isVisible());
    }

    void SaveCopiesTheCheckedGroupBelowTheChosenFolder()
    {
        const QString target = m_root.filePath("copy");
        QVERIFY(QDir(m_root.path()).mkpath("copy"));
        QVERIFY(Check(0, true));
        m_dialogs->folder = target.toStdString();
        auto* board = static_cast<CStatusBoardStatic*>(m_window->Child(IDC_PROGRESS));
        ProgressRecorder progress(*board);
        const std::size_t messages = m_dialogs->messages.size();
        Click(IDC_SAVE);

        QCOMPARE(m_dialogs->folderTitles.last(), QStringLiteral("Select a folder"));
        QCOMPARE(m_dialogs->messages.size(), messages);
        for (const char* name : {"FILE0011.MOV", "FIL_0021.MOV", "FILE0031.MOV"}) {
            const QByteArray copy = Contents(target + "/DCIM/MOVIEF/" + name);
            QVERIFY2(!copy.isEmpty(), name);
            QVERIFY2(copy == Contents(Front(name)), name);
        }
        QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"DCIM"}));
        QVERIFY2(progress.shown == QList<int>({0, 33, 66, 100}), qPrintable(Joined(progress.shown)));
        QVERIFY(!board->isVisible());
    }

    void ConfigurationSwitchesLanguageAndMap()
    {
        auto* tips = m_window->findChild<CKepToolTipCtrl*>();
        QVERIFY(tips);
        QVERIFY(tips->TipText(m_window->Child(IDC_KML)).contains("Save GPS data to KML file"));
        QCOMPARE(m_window->MapView()->MapChoice(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(Evaluate(m_window->MapView()->page(), "location.href").toString(),
                                  QStringLiteral("qrc:///map/143.html"), 30'000);

        m_dialogs->configure = [](CKepConfigDlg& dialog) {
            auto* languages = dialog.findChild<QComboBox*>("1042");
            auto* maps = dialog.findChild<QComboBox*>("1038");
            languages->setCurrentIndex(languages->findText("Deutsch"));
            QTest::mouseClick(dialog.findChild<QPushButton*>("1043"), Qt::LeftButton);
            maps->setCurrentIndex(1);
            QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
        };
        Click(IDC_CONF);

        QTRY_COMPARE_WITH_TIMEOUT(Titles(Groups()),
                                  QStringList({"Gruppe", "Auflösung", "Startzeit", "Länge", "Dateigröße"}), 10'000);
        QCOMPARE(Titles(Files()), QStringList({"Nr.", "Dateiname", "Startzeit", "Endzeit", "Dateigröße", "Ordner"}));
        QVERIFY(tips->TipText(m_window->Child(IDC_KML)).contains("GPS-Daten als KML-Datei speichern"));
        QCOMPARE(m_window->MapChoice(), 1);
        QCOMPARE(m_window->MapView()->MapChoice(), 1);
        // Only the China map page carries the coordinate converter.
        QTRY_COMPARE_WITH_TIMEOUT(
            Evaluate(m_window->MapView()->page(), "location.href + ' ' + typeof GCJ02").toString(),
            QStringLiteral("qrc:///map/145.html object"), 30'000);

        const QString ini = QString::fromUtf8(Contents(m_root.filePath("work/Zel.ini")));
        QVERIFY2(ini.contains("LANGID=GER"), qPrintable(ini));
        QVERIFY2(ini.contains("MAP=1"), qPrintable(ini));
    }

private:
    QString Front(const QString& name) const { return m_card + "/DCIM/MOVIEF/" + name; }
    CZelRecordingListCtrl* Groups() const
    {
        return static_cast<CZelRecordingListCtrl*>(m_window->Child(IDC_GROUP_LIST));
    }
    CZelRecordingListCtrl* Files() const { return static_cast<CZelRecordingListCtrl*>(m_window->Child(IDC_FILE_LIST)); }
    CSpeedLabelStatic* Speed() const { return static_cast<CSpeedLabelStatic*>(m_window->Child(IDC_SPEED)); }
    CPngCompassStatic* Compass() const { return static_cast<CPngCompassStatic*>(m_window->Child(IDC_COMPASS)); }
    CGSensorCtrl* Curves() const { return static_cast<CGSensorCtrl*>(m_window->Child(IDC_GSENSOR)); }
    CSkinSlider* Slider() const { return static_cast<CSkinSlider*>(m_window->Child(IDC_POSITION)); }

    // The library joins root, sub-folder and name with a separator each; the file is the same.
    QString Playing() const { return QDir::cleanPath(QString::fromStdString(m_primary->MediaPath())); }

    void Click(int id) { QTest::mouseClick(m_window->Child(id), Qt::LeftButton); }

    // Sets a group's check box; false when the group list has no such row.
    bool Check(int row, bool checked)
    {
        QTreeWidgetItem* item = Groups()->topLevelItem(row);
        if (item)
            item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
        return item;
    }

    // As the user does it: the row scrolled into view, a double click on it. False when it cannot be hit.
    static bool DoubleClickRow(QTreeWidget* list, int row)
    {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (!item)
            return false;
        list->scrollToItem(item);
        const QPoint centre = list->visualItemRect(item).center();
        if (!list->viewport()->rect().contains(centre))
            return false;
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        return true;
    }

    QTemporaryDir m_root;
    QString m_card;
    QString m_documents;
    CMediaPlayer* m_primary = nullptr;
    ScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<CZELDlg> m_window;
};

int main(int argc, char** argv)
{
    // Times on the card are the camera's local clock; the lists show them in local time.
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    CZELApp::PrepareProcess();
    QApplication application(argc, argv);
    EndToEndDisplayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EndToEndDisplayTest.moc"
