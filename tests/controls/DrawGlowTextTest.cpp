#include "controls/DrawGlowText.h"

#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(GlowStyle)

namespace {

const QColor kBackground(128, 128, 128);

QImage Canvas()
{
    QImage image(320, 160, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

int Distance(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

} // namespace

class DrawGlowTextTest : public QObject {
    Q_OBJECT

private slots:
    void StyleFixesWhatTheCallerDoesNotChoose_data()
    {
        QTest::addColumn<GlowStyle>("style");
        QTest::addColumn<QPoint>("given");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("title always at (50, 4)") << GlowStyle::Title << QPoint(200, 90) << QPoint(50, 4);
        QTest::newRow("speed where asked") << GlowStyle::Speed << QPoint(200, 90) << QPoint(200, 90);
        QTest::newRow("video at x 10") << GlowStyle::Video << QPoint(200, 90) << QPoint(10, 90);
    }
    void StyleFixesWhatTheCallerDoesNotChoose()
    {
        QFETCH(GlowStyle, style);
        QFETCH(QPoint, given);
        QFETCH(QPoint, expected);
        const QRectF box = GlowTextPath(QStringLiteral("I"), style, given, 40).boundingRect();
        // The origin is the top left of the line: the glyph starts a little
        // right of it and below it, never before.
        QVERIFY2(box.left() >= expected.x() && box.left() < expected.x() + 10, qPrintable(QString::number(box.left())));
        QVERIFY2(box.top() >= expected.y() && box.top() < expected.y() + 20, qPrintable(QString::number(box.top())));
    }

    // "I" is a plain bar, so its path's bounding box is the glyph: just
    // outside it lies the halo, well outside the untouched background.
    void GlowSurroundsTheLettersInTheStyleColour_data()
    {
        QTest::addColumn<GlowStyle>("style");
        QTest::addColumn<QColor>("glow");
        QTest::newRow("title: dark") << GlowStyle::Title << QColor(0, 2, 2);
        QTest::newRow("speed: orange") << GlowStyle::Speed << QColor(160, 80, 2);
        QTest::newRow("video: blue") << GlowStyle::Video << QColor(10, 150, 220);
    }
    void GlowSurroundsTheLettersInTheStyleColour()
    {
        QFETCH(GlowStyle, style);
        QFETCH(QColor, glow);
        const QPoint origin(20, 10);
        constexpr int emSize = 72;
        QImage image = Canvas();
        {
            QPainter painter(&image);
            DrawGlowText(painter, QStringLiteral("I"), style, origin, emSize);
        }
        const QRect glyph = GlowTextPath(QStringLiteral("I"), style, origin, emSize).boundingRect().toRect();
        const int middle = glyph.center().y();

        const QColor halo = image.pixelColor(glyph.left() - 3, middle);
        QVERIFY2(Distance(halo, glow) + 60 < Distance(kBackground, glow), qPrintable(halo.name()));
        QCOMPARE(image.pixelColor(glyph.left() - 8, middle), kBackground);
        QCOMPARE(image.pixelColor(glyph.right() + 9, middle), kBackground);
        const QColor inside = image.pixelColor(glyph.center().x(), middle);
        QVERIFY2(Distance(inside, kBackground) > 60, qPrintable(inside.name()));
    }

    void EmptyTextDrawsNothing()
    {
        QImage image = Canvas();
        {
            QPainter painter(&image);
            DrawGlowText(painter, QString(), GlowStyle::Speed, QPoint(10, 10), 40);
        }
        QCOMPARE(image, Canvas());
    }

    void LongTextIsCut()
    {
        const QString longText(300, QLatin1Char('I'));
        const QString cut(kGlowTextMaxLength, QLatin1Char('I'));
        QCOMPARE(GlowTextPath(longText, GlowStyle::Speed, QPoint(), 10).boundingRect(),
                 GlowTextPath(cut, GlowStyle::Speed, QPoint(), 10).boundingRect());
    }
};

QTEST_MAIN(DrawGlowTextTest)
#include "DrawGlowTextTest.moc"
