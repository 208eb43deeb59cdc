#include "controls/CKepToolTipCtrl.h"
#include "settings/CIniSettings.h"
#include "settings/CLanguageTable.h"

#include <QDir>
#include <QHelpEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace {

constexpr unsigned kCheckIcon = 161;
// Neither a string nor an image has this ID.
constexpr unsigned kMissing = 130;
constexpr unsigned kGSensorText = 193;

// The tip the user sees when resting the mouse on the control.
QString HoverTip(QWidget* tool)
{
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), tool->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(tool, &help);
    return QToolTip::text();
}

struct Stage {
    QWidget window;
    std::vector<QPushButton*> buttons;
    CKepToolTipCtrl tip{&window};

    Stage()
    {
        for (int i = 0; i < 3; ++i) {
            buttons.push_back(new QPushButton(&window));
            buttons.back()->setGeometry(10 + 40 * i, 10, 30, 30);
        }
        window.resize(200, 60);
        window.show();
    }

    // What the window does at start-up and after each change of language.
    void Build(const QStringList& labels)
    {
        tip.RemoveAllTools();
        tip.ClearToolInfo();
        for (int i = 0; i < labels.size(); ++i)
            tip.AddTool(buttons[static_cast<std::size_t>(i)], labels[i], 1000 + i);
        for (int i = 0; i < labels.size(); ++i)
            tip.AddToolInfo(1000 + i, 0, kCheckIcon);
    }
};

} // namespace

class CKepToolTipCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Descriptions are looked up in the chosen language of the settings file.
        QVERIFY(m_folder.isValid());
        QDir::setCurrent(m_folder.path());
        CIniSettings::Instance().SetLanguage(CLanguageTable::kEnglishRow);
    }

    void LanguageChangeReplacesEveryTipWithoutDuplicates()
    {
        Stage stage;
        stage.Build({"Play", "Stop", "Faster"});
        QVERIFY(HoverTip(stage.buttons[1]).contains(QLatin1String("<b>Stop</b>")));

        stage.Build({"Wiedergabe", "Anhalten", "Schneller"});
        stage.Build({"Wiedergabe", "Anhalten", "Schneller"});
        stage.tip.AddTool(stage.buttons[1], QStringLiteral("Anhalten"), 1001);
        QCOMPARE(stage.tip.Tools(), QList<QWidget*>(stage.buttons.begin(), stage.buttons.end()));
        const QString tip = HoverTip(stage.buttons[1]);
        QVERIFY2(tip.contains(QLatin1String("<b>Anhalten</b>")), qPrintable(tip));
        QVERIFY(!tip.contains(QLatin1String("Stop")));
        QCOMPARE(tip.count(QLatin1String("<b>")), 1);
        QCOMPARE(tip.count(QLatin1String("<img")), 1);
    }

    void TipShowsLabelIconAndDescriptionFromTheTable_data()
    {
        QTest::addColumn<bool>("withInfo");
        QTest::addColumn<unsigned>("descriptionId");
        QTest::addColumn<unsigned>("iconId");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QString>("description");
        QTest::newRow("label and check mark, no description line") << true << 0u << kCheckIcon << true << QString();
        QTest::newRow("description from the string table")
            << true << kGSensorText << kCheckIcon << true << QStringLiteral("Turn On/Off G-Sensor curve");
        QTest::newRow("missing icon image: no icon") << true << 0u << kMissing << false << QString();
        QTest::newRow("icon 0: no icon") << true << 0u << 0u << false << QString();
        QTest::newRow("no table entry: label only") << false << 0u << 0u << false << QString();
    }
    void TipShowsLabelIconAndDescriptionFromTheTable()
    {
        QFETCH(bool, withInfo);
        QFETCH(unsigned, descriptionId);
        QFETCH(unsigned, iconId);
        QFETCH(bool, icon);
        QFETCH(QString, description);
        Stage stage;
        stage.tip.AddTool(stage.buttons[0], QStringLiteral("Save <GPS> & go"), 1023);
        if (withInfo)
            stage.tip.AddToolInfo(1023, descriptionId, iconId);

        const QString tip = HoverTip(stage.buttons[0]);
        QVERIFY2(tip.contains(QLatin1String("<b>Save &lt;GPS&gt; &amp; go</b>")), qPrintable(tip));
        QCOMPARE(tip.contains(QStringLiteral("<img src=\":/images/%1.png\" width=\"32\" height=\"32\">").arg(iconId)), icon);
        if (!description.isEmpty())
            QVERIFY2(tip.contains(description), qPrintable(tip));
        QCOMPARE(tip.count(QLatin1String("<br>")), description.isEmpty() ? 0 : 1);
    }

    void FirstTableEntryOfAControlCounts()
    {
        Stage stage;
        stage.tip.AddTool(stage.buttons[0], QStringLiteral("GSR"), 1025);
        stage.tip.AddToolInfo(1025, 0, 0);
        stage.tip.AddToolInfo(1025, kGSensorText, kCheckIcon);
        QVERIFY(!stage.tip.TipText(stage.buttons[0]).contains(QLatin1String("<img")));
    }

    void RemovedOrDestroyedToolsShowNoTip()
    {
        Stage stage;
        stage.Build({"Play", "Stop", "Faster"});
        stage.tip.DelTool(stage.buttons[0]);
        delete stage.buttons[2];
        QCOMPARE(stage.tip.Tools(), QList<QWidget*>{stage.buttons[1]});
        QVERIFY(HoverTip(stage.buttons[0]).isEmpty());
        stage.tip.RemoveAllTools();
        QVERIFY(HoverTip(stage.buttons[1]).isEmpty());
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(CKepToolTipCtrlTest)
#include "CKepToolTipCtrlTest.moc"
