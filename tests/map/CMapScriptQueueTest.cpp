#include "map/CMapScriptQueue.h"

#include <QRegularExpression>
#include <QTest>

// Each row plays a sequence of steps on the queue and lists the scripts the
// page receives, each written as its calls joined by '|'. Steps: "call:X"
// adds call X, "turn" lets the event loop run, "request", "loaded" and
// "failed" report the page's progress.
class CMapScriptQueueTest : public QObject {
    Q_OBJECT

private slots:
    void Batches_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("received");

        QTest::newRow("one turn is one script, in order")
            << QStringList{"request", "loaded", "turn", "call:a", "call:b", "call:c", "turn", "call:d", "turn"}
            << QStringList{"a|b|c", "d"};
        QTest::newRow("before any page, calls are dropped")
            << QStringList{"call:a", "turn", "request", "loaded", "turn"} << QStringList{};
        QTest::newRow("calls wait while the page loads")
            << QStringList{"request", "call:a", "call:b", "turn", "loaded", "turn"} << QStringList{"a|b"};
        QTest::newRow("a new page drops what the old one did not get")
            << QStringList{"request", "loaded", "turn", "call:a", "request", "call:b", "turn", "loaded", "turn"}
            << QStringList{"b"};
        QTest::newRow("a failed page drops its calls until the next page")
            << QStringList{"request", "call:a", "failed", "call:b", "turn", "request", "loaded", "call:c", "turn"}
            << QStringList{"c"};
        QTest::newRow("nothing waiting, nothing sent")
            << QStringList{"request", "loaded", "turn", "turn"} << QStringList{};
    }

    void Batches()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, received);

        QStringList scripts;
        CMapScriptQueue queue([&scripts](const QString& script) { scripts << CallsOf(script); });
        for (const QString& step : steps) {
            if (step.startsWith("call:"))
                queue.Add(step.mid(5).toStdString());
            else if (step == "turn")
                QTest::qWait(1);
            else if (step == "request")
                queue.PageRequested();
            else if (step == "loaded")
                queue.PageLoaded();
            else if (step == "failed")
                queue.PageFailed();
            else
                QFAIL(qPrintable("unknown step " + step));
        }
        QCOMPARE(scripts, received);
    }

private:
    static QString CallsOf(const QString& script)
    {
        static const QRegularExpression guarded(QStringLiteral("try\\{\\n(.*)\\n\\}catch\\(e\\)\\{\\}\\n"));
        QStringList calls;
        for (const QRegularExpressionMatch& match : guarded.globalMatch(script))
            calls << match.captured(1);
        return calls.join('|');
    }
};

QTEST_GUILESS_MAIN(CMapScriptQueueTest)
#include "CMapScriptQueueTest.moc"
