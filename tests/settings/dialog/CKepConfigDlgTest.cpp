#include "settings/dialog/CKepConfigDlg.h"

#include "playback/CWindowMessageEvent.h"
#include "settings/CIniFile.h"
#include "settings/CIniSettings.h"
#include "settings/CLanguageTable.h"
#include "support/TempFolder.h"
#include "support/qt/WindowMessageRecorder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <memory>

using namespace fixtures;

namespace {

// What the dialog shows that follows the language, in table order: title,
// map box, language box, both Apply buttons, OK, Cancel.
QStringList Texts(const CKepConfigDlg& dialog)
{
    QStringList texts{dialog.windowTitle()};
    for (const char* box : {"1040", "1041"})
        texts << dialog.findChild<QGroupBox*>(box)->title();
    for (const char* button : {"1039", "1043", "1", "2"})
        texts << dialog.findChild<QPushButton*>(button)->text();
    return texts;
}

QStringList Entries(const QComboBox& combo)
{
    QStringList entries;
    for (int i = 0; i < combo.count(); ++i)
        entries << combo.itemText(i);
    return entries;
}

} // namespace

class CKepConfigDlgTest : public QObject {
    Q_OBJECT

    // A dialog over a settings file holding `content`.
    std::unique_ptr<CKepConfigDlg> Open(const char* content = "")
    {
        std::ofstream(Path()) << content;
        settings = std::make_unique<CIniSettings>(Path());
        return std::make_unique<CKepConfigDlg>(&window, *settings);
    }

    std::string Path() const { return *folder / "Zel.ini"; }
    std::optional<std::string> Stored(const char* key) const { return CIniFile(Path()).ReadString("UI", key); }

    static QComboBox* Maps(const CKepConfigDlg& dialog) { return dialog.findChild<QComboBox*>("1038"); }
    static QComboBox* Languages(const CKepConfigDlg& dialog) { return dialog.findChild<QComboBox*>("1042"); }
    static void Click(const CKepConfigDlg& dialog, const char* button)
    {
        dialog.findChild<QPushButton*>(button)->click();
    }

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<CIniSettings> settings;
    WindowMessageRecorder window;

private slots:
    void init() { folder = std::make_unique<TempFolder>(); }

    void cleanup()
    {
        window.Take();
        settings.reset();
        folder.reset();
    }

    void OpensOnTheStoredChoices_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("map");
        QTest::addColumn<int>("language");
        QTest::newRow("nothing stored") << "" << 0 << 0;
        QTest::newRow("China map, German") << "[UI]\nMAP=1\nLANGID=GER\n" << 1 << 7;
        QTest::newRow("map beyond the list reads as China") << "[UI]\nMAP=3\n" << 1 << 0;
        QTest::newRow("negative map reads as Google") << "[UI]\nMAP=-2\n" << 0 << 0;
    }
    void OpensOnTheStoredChoices()
    {
        QFETCH(QString, content);
        QFETCH(int, map);
        QFETCH(int, language);
        auto dialog = Open(content.toUtf8().constData());
        QCOMPARE(Maps(*dialog)->currentIndex(), map);
        QCOMPARE(Languages(*dialog)->currentIndex(), language);
        QCOMPARE(Languages(*dialog)->count(), CLanguageTable::Count());
        QCOMPARE(Languages(*dialog)->itemText(0), QString("English"));
        QCOMPARE(Languages(*dialog)->itemText(15), QString("Українська"));
        QVERIFY(window.Take().isEmpty());
    }

    void MapApplyTakesEffectAndKeepsTheDialogOpen_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");
        QTest::newRow("China map") << 1 << "" << 1;
        QTest::newRow("Google map") << 0 << "" << 0;
        QTest::newRow("typed text that is no entry") << 1 << "Open Street Map" << 0;
        QTest::newRow("typed entry") << 0 << "China Map" << 1;
    }
    void MapApplyTakesEffectAndKeepsTheDialogOpen()
    {
        QFETCH(int, entry);
        QFETCH(QString, typed);
        QFETCH(int, expected);
        auto dialog = Open("[UI]\nMAP=1\n");
        dialog->show();
        Maps(*dialog)->setCurrentIndex(entry);
        if (!typed.isEmpty())
            Maps(*dialog)->setEditText(typed);
        Click(*dialog, "1039");
        QCOMPARE(Stored("MAP"), std::optional(std::to_string(expected)));
        QCOMPARE(settings->MapChoice(), expected);
        QCOMPARE(dialog->MapChoice(), expected);
        QCOMPARE(window.Take(), QStringList{"C0B:" + QString::number(expected)});
        QVERIFY(dialog->isVisible());
        QVERIFY(!Stored("LANGID"));
    }

    void LanguageApplyChangesTheTextsAtOnceAndSurvivesCancel()
    {
        auto dialog = Open();
        dialog->show();
        QCOMPARE(Texts(*dialog),
                 QStringList({"Config", "Select map", "Select language", "Apply", "Apply", "OK", "Cancel"}));
        Maps(*dialog)->setCurrentIndex(1);
        Languages(*dialog)->setCurrentIndex(CLanguageTable::IndexOfCode("GER"));
        Click(*dialog, "1043");

        QCOMPARE(Texts(*dialog), QStringList({"Einstellungen", "Karte auswählen", "Sprache auswählen", "Übernehmen",
                                              "Übernehmen", "OK", "Abbrechen"}));
        // The map entries keep the language the dialog opened in, and the
        // unapplied map choice is still there to apply.
        QCOMPARE(Entries(*Maps(*dialog)), QStringList({"Google Map", "China Map"}));
        QCOMPARE(Maps(*dialog)->currentIndex(), 1);
        QCOMPARE(Stored("LANGID"), std::optional<std::string>("GER"));
        QVERIFY(!Stored("MAP"));
        QCOMPARE(window.Take(), QStringList{"C02:7"});
        QVERIFY(dialog->isVisible());

        Click(*dialog, "2");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(settings->LanguageIndex(), 7);
        QCOMPARE(CIniSettings(Path()).LanguageIndex(), 7);
        QVERIFY(window.Take().isEmpty());
    }

    void TypedLanguageChangesNothingButIsReported()
    {
        auto dialog = Open();
        Languages(*dialog)->setEditText("Klingon");
        Click(*dialog, "1043");
        QCOMPARE(settings->LanguageIndex(), 0);
        QVERIFY(!Stored("LANGID"));
        QCOMPARE(window.Take(), QStringList{"C02:-1"});

        // Typing a language's name chooses it.
        Languages(*dialog)->setEditText("Deutsch");
        Click(*dialog, "1043");
        QCOMPARE(settings->LanguageIndex(), 7);
        QCOMPARE(window.Take(), QStringList{"C02:7"});
    }

    void OkAppliesBothAndCloses_data()
    {
        QTest::addColumn<int>("map");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("unchanged choices are written all the same") << 0 << "ENG" << QStringList{"C0B:0", "C02:0"};
        QTest::newRow("new choices") << 1 << "POL" << QStringList{"C0B:1", "C02:12"};
    }
    void OkAppliesBothAndCloses()
    {
        QFETCH(int, map);
        QFETCH(QString, language);
        QFETCH(QStringList, messages);
        auto dialog = Open();
        Maps(*dialog)->setCurrentIndex(map);
        Languages(*dialog)->setCurrentIndex(CLanguageTable::IndexOfCode(language.toStdString()));
        Click(*dialog, "1");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->MapChoice(), map);
        QCOMPARE(Stored("MAP"), std::optional(std::to_string(map)));
        QCOMPARE(Stored("LANGID"), std::optional(language.toStdString()));
        QCOMPARE(window.Take(), messages);
        QCOMPARE(Maps(*dialog)->currentIndex(), map);
    }
};

QTEST_MAIN(CKepConfigDlgTest)
#include "CKepConfigDlgTest.moc"
