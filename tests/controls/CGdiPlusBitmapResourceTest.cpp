#include "controls/CGdiPlusBitmapResource.h"

#include <QTest>

class CGdiPlusBitmapResourceTest : public QObject {
    Q_OBJECT

private slots:
    void LoadsArtworkById_data()
    {
        QTest::addColumn<unsigned>("id");
        QTest::addColumn<QSize>("size");
        QTest::newRow("button") << 129u << QSize(48, 48);
        QTest::newRow("four-digit ID") << 1045u << QSize(16, 16);
        QTest::newRow("picture") << 150u << QSize(32, 32);
    }
    void LoadsArtworkById()
    {
        QFETCH(unsigned, id);
        QFETCH(QSize, size);
        CGdiPlusBitmapResource png;
        QVERIFY(png.Load(id));
        QCOMPARE(png.Image().size(), size);
        QVERIFY(png.Image().hasAlphaChannel());
    }

    void FailedLoadLeavesHolderEmpty()
    {
        CGdiPlusBitmapResource png;
        QVERIFY(png.Load(129));
        // 130 is no image of the artwork.
        QVERIFY(!png.Load(130));
        QVERIFY(png.IsEmpty());
        QVERIFY(png.Image().isNull());
    }
};

QTEST_MAIN(CGdiPlusBitmapResourceTest)
#include "CGdiPlusBitmapResourceTest.moc"
