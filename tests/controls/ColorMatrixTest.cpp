#include "controls/ColorMatrix.h"

#include <QTest>

Q_DECLARE_METATYPE(ColorMatrix)

class ColorMatrixTest : public QObject {
    Q_OBJECT

private slots:
    void TransformsStraightColours_data()
    {
        QTest::addColumn<ColorMatrix>("matrix");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("grey: red weighs 0.3") << kGreyscaleMatrix << qRgb(255, 0, 0) << qRgb(77, 77, 77);
        QTest::newRow("grey: green weighs 0.59") << kGreyscaleMatrix << qRgb(0, 255, 0) << qRgb(150, 150, 150);
        QTest::newRow("grey: blue weighs 0.11") << kGreyscaleMatrix << qRgb(0, 0, 255) << qRgb(28, 28, 28);
        QTest::newRow("grey: white stays white") << kGreyscaleMatrix << qRgb(255, 255, 255) << qRgb(255, 255, 255);
        QTest::newRow("grey keeps alpha") << kGreyscaleMatrix << qRgba(0, 255, 0, 90) << qRgba(150, 150, 150, 90);
        QTest::newRow("bright: scaled and lifted") << kBrighteningMatrix << qRgb(100, 0, 200) << qRgb(118, 13, 223);
        QTest::newRow("bright: clamped at white") << kBrighteningMatrix << qRgb(250, 255, 245) << qRgb(255, 255, 255);
        QTest::newRow("bright keeps alpha") << kBrighteningMatrix << qRgba(0, 0, 0, 0) << qRgba(13, 13, 13, 0);
    }
    void TransformsStraightColours()
    {
        QFETCH(ColorMatrix, matrix);
        QFETCH(QRgb, colour);
        QFETCH(QRgb, expected);
        QCOMPARE(QColor::fromRgba(TransformColor(colour, matrix)), QColor::fromRgba(expected));
    }

    // Half-transparent edges of the artwork must get the same tint as its
    // opaque pixels, not one darkened by their alpha.
    void ImageIsTransformedOnStraightColours()
    {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(255, 0, 0, 255));
        image.setPixel(1, 0, qRgba(255, 0, 0, 102));
        const QImage grey = ApplyColorMatrix(image.convertToFormat(QImage::Format_ARGB32_Premultiplied), kGreyscaleMatrix)
                                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(QColor::fromRgba(grey.pixel(0, 0)), QColor(77, 77, 77, 255));
        const QColor edge = QColor::fromRgba(grey.pixel(1, 0));
        QCOMPARE(edge.alpha(), 102);
        QVERIFY2(qAbs(edge.red() - 77) <= 2 && edge.red() == edge.green() && edge.green() == edge.blue(),
                 qPrintable(edge.name(QColor::HexArgb)));
    }
};

QTEST_MAIN(ColorMatrixTest)
#include "ColorMatrixTest.moc"
