#include "browser/CZelFileListCtrl.h"
#include "browser/CZelGroupListCtrl.h"
#include "library/CRecordingLibrary.h"
#include "playback/CWindowMessageEvent.h"
#include "settings/CIniSettings.h"
#include "settings/CLanguageTable.h"
#include "support/ParseFile.h"
#include "support/RecordingFixture.h"
#include "support/TempFolder.h"
#include "support/qt/WindowMessageRecorder.h"

#include <QFile>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

using namespace fixtures;

namespace {

QStringList RowTexts(const QTreeWidget& list, int row)
{
    QStringList texts;
    for (int column = 0; column < list.columnCount(); ++column)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

QStringList Titles(const QTreeWidget& list)
{
    QStringList titles;
    for (int column = 0; column < list.columnCount(); ++column)
        titles << list.headerItem()->text(column);
    return titles;
}

// Entirely visible from top to bottom.
bool RowInView(const QTreeWidget& list, int row)
{
    const QRect rect = list.visualItemRect(list.topLevelItem(row));
    return rect.top() >= 0 && rect.bottom() <= list.viewport()->rect().bottom();
}

QList<int> Widths(const QTreeWidget& list)
{
    QList<int> widths;
    for (int column = 0; column < list.columnCount(); ++column)
        widths << list.columnWidth(column);
    return widths;
}

QImage LockCell(int index)
{
    return QImage(QStringLiteral(":/images/158.png"))
        .copy(index * 24, 0, 24, 24)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage IconImage(const QTreeWidget& list, int row)
{
    const QPixmap image = list.topLevelItem(row)->icon(0).pixmap(24, 24);
    return image.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A camera card as the lists see it: two recordings in a row (the second
// locked by the camera), then after a break a read-only one in a sub-folder,
// then `extra` more single recordings a minute apart.
void WriteCard(const TempFolder& card, int extra = 0)
{
    WriteRecording(card / "FILE0000.MOV", {.date = At(10, 0, 0), .durationMs = 60000});
    WriteRecording(card / "FILG0001.MOV", {.date = At(10, 1, 0), .durationMs = 60000});
    std::filesystem::create_directory(card / "sub");
    WriteRecording(card / "sub/FILE0002.MOV",
                   {.date = At(10, 30, 0), .durationMs = 45999, .width = 1280, .height = 720});
    std::filesystem::permissions(card / "sub/FILE0002.MOV", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    for (int i = 0; i < extra; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "MORE%04d.MOV", i);
        WriteRecording(card / name, {.date = At(11, 2 * i, 0), .durationMs = 60000});
    }
}

} // namespace

class RecordingListsTest : public QObject {
    Q_OBJECT

    // Lists on their own settings file, sized and set up as the main window
    // does, then filled by a real library from a card with `extra` more
    // recordings.
    void Load(int extra = 0, QSize size = QSize(600, 160))
    {
        WriteCard(*card, extra);
        groups = std::make_unique<CZelGroupListCtrl>(&window, nullptr, *settings);
        files = std::make_unique<CZelFileListCtrl>(&window, nullptr, *settings);
        for (CZelRecordingListCtrl* list : Lists()) {
            list->resize(size);
            list->SetupColumns();
            list->show();
            QVERIFY(QTest::qWaitForWindowExposed(list));
        }
        library.Attach({.groupList = groups.get(), .fileList = files.get()});
        QCOMPARE(library.Load(card->Path(), ""), 1);
    }

    std::array<CZelRecordingListCtrl*, 2> Lists() { return {groups.get(), files.get()}; }

    QRect CheckBoxRect(int row) const
    {
        QStyleOptionViewItem option;
        option.initFrom(groups->viewport());
        option.rect = groups->visualItemRect(groups->topLevelItem(row));
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay |
                          QStyleOptionViewItem::HasDecoration;
        option.decorationSize = groups->iconSize();
        return groups->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, groups.get());
    }

    std::unique_ptr<TempFolder> settingsFolder;
    std::unique_ptr<CIniSettings> settings;
    std::unique_ptr<TempFolder> card;
    WindowMessageRecorder window;
    CRecordingLibrary library;
    std::unique_ptr<CZelGroupListCtrl> groups;
    std::unique_ptr<CZelFileListCtrl> files;

private slots:
    void initTestCase()
    {
        UseTimeZone("Europe/Berlin");
        // The lock images are compared with the strip itself; both must be there.
        QVERIFY(QFile::exists(QStringLiteral(":/images/158.png")));
    }

    void init()
    {
        settingsFolder = std::make_unique<TempFolder>();
        settings = std::make_unique<CIniSettings>(*settingsFolder / "Zel.ini");
        card = std::make_unique<TempFolder>();
    }

    void cleanup()
    {
        library.Attach({});
        groups.reset();
        files.reset();
        card.reset();
        settings.reset();
        settingsFolder.reset();
        window.Take();
    }

    void RowsShowTheLoadedRecordings()
    {
        Load();
        QCOMPARE(groups->topLevelItemCount(), 2);
        QCOMPARE(RowTexts(*groups, 0),
                 QStringList({"G0", "FHD", "2012-05-06 10:00:00", " 120 s ", " 0 MB"}));
        QCOMPARE(RowTexts(*groups, 1), QStringList({"G1", "HD", "2012-05-06 10:30:00", " 45 s ", " 0 MB"}));

        const QString root = QString::fromStdString(card->Path());
        QCOMPARE(files->topLevelItemCount(), 3);
        QCOMPARE(RowTexts(*files, 0),
                 QStringList({"G0-0", "FILE0000.MOV", "10:00:00", "10:01:00", " 0 MB", root + "/"}));
        QCOMPARE(RowTexts(*files, 1),
                 QStringList({"G0-1", "FILG0001.MOV", "10:01:00", "10:02:00", " 0 MB", root + "/"}));
        QCOMPARE(RowTexts(*files, 2),
                 QStringList({"G1-0", "FILE0002.MOV", "10:30:00", "10:30:45", " 0 MB", root + "/sub/"}));

        // Lock images: the group carries its recordings' locks together.
        QCOMPARE(IconImage(*groups, 0), LockCell(1));
        QCOMPARE(IconImage(*groups, 1), LockCell(2));
        QCOMPARE(IconImage(*files, 0), LockCell(0));
        QCOMPARE(IconImage(*files, 1), LockCell(1));
        QCOMPARE(IconImage(*files, 2), LockCell(2));
        // The unlocked image is there, fully transparent, so that the texts line up.
        const QImage blank = IconImage(*files, 0);
        QCOMPARE(blank.size(), QSize(24, 24));
        QVERIFY(std::all_of(blank.constBits(), blank.constBits() + blank.sizeInBytes(), [](uchar b) { return b == 0; }));

        // Only groups can be ticked.
        QVERIFY(groups->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
        QVERIFY(!(files->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable));
        QVERIFY(!files->topLevelItem(0)->data(0, Qt::CheckStateRole).isValid());
    }

    void NewRowsStartUncheckedAndChecksAreReadBack()
    {
        Load();
        QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, CheckBoxRect(1).center());
        QVERIFY(!groups->IsChecked(0));
        QVERIFY(groups->IsChecked(1));
        QVERIFY(!groups->IsChecked(2));
        QVERIFY(!groups->IsChecked(-1));
        QCOMPARE(library.RefreshChecked(), 1);

        // A second click clears it; refilled lists start with nothing ticked.
        QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, CheckBoxRect(1).center());
        QVERIFY(!groups->IsChecked(1));
        QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, CheckBoxRect(0).center());
        QVERIFY(groups->IsChecked(0));
        library.Reset();
        QCOMPARE(groups->topLevelItemCount(), 0);
        QCOMPARE(library.Load(card->Path(), ""), 1);
        QVERIFY(!groups->IsChecked(0));
        QCOMPARE(library.RefreshChecked(), 0);
    }

    void PlayingRowsAreHighlightedAndKeptInView()
    {
        Load(20, QSize(360, 140));
        files->horizontalScrollBar()->setValue(files->horizontalScrollBar()->maximum());
        const int sideways = files->horizontalScrollBar()->value();
        QVERIFY(sideways > 0);

        QCOMPARE(library.SelectFile(21), 1);
        QVERIFY(files->IsHighlighted(21));
        QVERIFY(groups->IsHighlighted(20));
        QVERIFY(RowInView(*groups, 20));
        QVERIFY(RowInView(*files, 21));
        QCOMPARE(files->horizontalScrollBar()->value(), sideways);

        // The playing row is drawn apart from the other rows and from the
        // user's selection.
        groups->topLevelItem(19)->setSelected(true);
        const QImage shot = groups->viewport()->grab().toImage();
        const auto colourOf = [&](int row) {
            const QRect rect = groups->visualItemRect(groups->topLevelItem(row));
            return shot.pixelColor(rect.right() - 4, rect.center().y());
        };
        QVERIFY(colourOf(20) != colourOf(18));
        QVERIFY(colourOf(20) != colourOf(19));
        QVERIFY(colourOf(19) != colourOf(18));

        // The highlight moves with the playing recording.
        QCOMPARE(library.SelectFile(1), 1);
        QVERIFY(!files->IsHighlighted(21));
        QVERIFY(!groups->IsHighlighted(20));
        QVERIFY(files->IsHighlighted(1));
        QVERIFY(groups->IsHighlighted(0));
        QVERIFY(RowInView(*groups, 0));
        QVERIFY(RowInView(*files, 1));
    }

    void DoubleClickAsksToPlayTheRowUnderThePointer_data()
    {
        QTest::addColumn<bool>("groupList");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("group row") << true << 1 << "C09:1";
        QTest::newRow("below the last group") << true << -1 << "C09:-1";
        QTest::newRow("file row") << false << 2 << "C0A:2";
        QTest::newRow("first file") << false << 0 << "C0A:0";
        QTest::newRow("below the last file") << false << -1 << "C0A:-1";
    }
    void DoubleClickAsksToPlayTheRowUnderThePointer()
    {
        QFETCH(bool, groupList);
        QFETCH(int, row);
        QFETCH(QString, message);
        Load();
        CZelRecordingListCtrl* list = groupList ? static_cast<CZelRecordingListCtrl*>(groups.get()) : files.get();
        const QRect viewport = list->viewport()->rect();
        const QPoint point = row >= 0 ? list->visualItemRect(list->topLevelItem(row)).center()
                                      : QPoint(viewport.center().x(), viewport.bottom() - 3);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(window.Take(), QStringList{message});
    }

    void ColumnsShareTheWidthAndFollowTheLanguage()
    {
        Load(0, QSize(600, 160));
        const int inside = groups->contentsRect().width();
        QVERIFY(inside > 590);
        const QList<int> groupWidths(5, inside / 5);
        const QList<int> fileWidths(6, inside * 3 / 10);
        QCOMPARE(Widths(*groups), groupWidths);
        QCOMPARE(Widths(*files), fileWidths);
        // The group columns fit; the file list scrolls sideways to its folders.
        QCOMPARE(groups->horizontalScrollBar()->maximum(), 0);
        QVERIFY(files->horizontalScrollBar()->maximum() > 0);
        QCOMPARE(Titles(*groups), QStringList({"Group", "Resolution", "Start Time", "Length", "File Size"}));
        QCOMPARE(Titles(*files), QStringList({"ID", "File Name", "Start Time", "End Time", "File Size", "Folder"}));

        settings->SetLanguage(CLanguageTable::IndexOfCode("GER"));
        for (CZelRecordingListCtrl* list : Lists())
            list->RetitleColumns();
        QCOMPARE(Titles(*groups), QStringList({"Gruppe", "Auflösung", "Startzeit", "Länge", "Dateigröße"}));
        QCOMPARE(Titles(*files), QStringList({"Nr.", "Dateiname", "Startzeit", "Endzeit", "Dateigröße", "Ordner"}));
        QCOMPARE(Widths(*groups), groupWidths);
        QCOMPARE(Widths(*files), fileWidths);
        QCOMPARE(groups->topLevelItemCount(), 2);
    }
};

QTEST_MAIN(RecordingListsTest)
#include "RecordingListsTest.moc"
