#include "instruments/CPngCompassStatic.h"
#include "controls/ColorMatrix.h"

#include <QTest>

#include <cstdlib>

namespace {

// Stand-ins for the roses: each a flat colour, so the drawn image is known
// by its colour. The artwork itself is not needed to check the choice.
QImage Flat(QColor colour, int alpha = 255)
{
    QImage image(48, 48, QImage::Format_ARGB32);
    colour.setAlpha(alpha);
    image.fill(colour);
    return image;
}

QImage Draw(const CPngCompassStatic& compass)
{
    QImage target(32, 32, QImage::Format_ARGB32);
    target.fill(Qt::transparent);
    compass.Render(target);
    return target;
}

} // namespace

class CPngCompassStaticTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        compass = std::make_unique<CPngCompassStatic>();
        for (int i = 0; i < 8; ++i)
            QVERIFY(compass->AddImage(Flat(QColor(10 * (i + 1), 200, 0))));
    }
    void cleanup() { compass.reset(); }

    void HeadingDrawsItsImage()
    {
        QVERIFY(compass->SetHeading(315));
        QCOMPARE(compass->ImageIndex(), 2);
        QCOMPARE(Draw(*compass).pixel(16, 16), qRgb(20, 200, 0));
        QVERIFY(compass->SetHeading(23));
        QCOMPARE(Draw(*compass).pixel(0, 31), qRgb(80, 200, 0));
    }

    void NoFixDrawsFirstImageInGrey()
    {
        QVERIFY(compass->SetImageIndex(0));
        const QImage grey =
            ApplyColorMatrix(Flat(QColor(100, 200, 50), 128), kGreyscaleMatrix).convertToFormat(QImage::Format_ARGB32);
        // 0.3 x 100 + 0.59 x 200 + 0.11 x 50 = 153.5 (give or take the
        // rounding of premultiplied alpha); alpha untouched.
        const QRgb p = grey.pixel(0, 0);
        QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
        QVERIFY(std::abs(qRed(p) - 154) <= 1);
        QCOMPARE(qAlpha(p), 128);
        QCOMPARE(Draw(*compass).pixel(16, 16), qRgb(121, 121, 121)); // 3 + 118 + 0
    }

    void IndexPastImagesIsRefused()
    {
        QVERIFY(compass->SetImageIndex(3));
        QVERIFY(!compass->SetImageIndex(9));
        QCOMPARE(compass->ImageIndex(), 3);
        QVERIFY(compass->SetImageIndex(8));
    }

    void WithoutImagesNothingChangesOrDraws()
    {
        CPngCompassStatic empty;
        QVERIFY(empty.SetHeading(90));
        QCOMPARE(empty.ImageIndex(), 0);
        QCOMPARE(Draw(empty).pixel(16, 16), qRgba(0, 0, 0, 0));
        // Artwork that is not compiled in is not added.
        QVERIFY(!empty.AddImage(QImage()));
        QCOMPARE(empty.ImageCount(), 0);
    }

private:
    std::unique_ptr<CPngCompassStatic> compass;
};

QTEST_MAIN(CPngCompassStaticTest)
#include "CPngCompassStaticTest.moc"
