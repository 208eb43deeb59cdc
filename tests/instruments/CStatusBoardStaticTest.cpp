#include "instruments/CStatusBoardStatic.h"

#include <QTest>

namespace {

QImage Draw(const CStatusBoardStatic& board)
{
    QImage target(200, 20, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3)); // whatever is left unpainted shows as this
    board.Render(target);
    return target;
}

} // namespace

class CStatusBoardStaticTest : public QObject {
    Q_OBJECT

private slots:
    void ProgressSplitsTheBar_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("split");
        QTest::newRow("nothing filled") << 0 << "0 %" << 0;
        QTest::newRow("part") << 37 << "37 %" << 74;
        QTest::newRow("full") << 100 << "100 %" << 200;
    }
    void ProgressSplitsTheBar()
    {
        QFETCH(int, percent);
        QFETCH(QString, text);
        QFETCH(int, split);
        CStatusBoardStatic board;
        board.SetBarImage(189, [] {
            QImage tile(30, 30, QImage::Format_RGB32);
            tile.fill(qRgb(120, 180, 255));
            return tile;
        }());
        board.SetProgress(percent);
        QCOMPARE(board.ProgressText(), text);
        const QImage image = Draw(board);
        // Row 3 and columns 3 and 197 lie inside the edge and away from the text.
        if (split > 3)
            QCOMPARE(image.pixel(3, 3), qRgb(120, 180, 255));
        if (split < 197)
            QCOMPARE(image.pixel(197, 3), qRgb(5, 5, 5));
        if (split > 3 && split < 197) {
            QCOMPARE(image.pixel(split - 1, 3), qRgb(120, 180, 255));
            QCOMPARE(image.pixel(split, 3), qRgb(5, 5, 5));
        }
    }

    void BarColourOrMissingBitmap()
    {
        CStatusBoardStatic board;
        board.SetProgress(50);
        QCOMPARE(Draw(board).pixel(50, 3), qRgb(5, 5, 5));
        board.SetBarImage(189, QImage()); // bitmap set but not found
        QCOMPARE(Draw(board).pixel(50, 3), qRgb(1, 2, 3));
    }
};

QTEST_MAIN(CStatusBoardStaticTest)
#include "CStatusBoardStaticTest.moc"
