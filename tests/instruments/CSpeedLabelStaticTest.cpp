#include "instruments/CSpeedLabelStatic.h"

#include <QImage>
#include <QTest>

class CSpeedLabelStaticTest : public QObject {
    Q_OBJECT

private slots:
    void DoubleClickSwitchesUnitsWithoutLosingTheSpeed()
    {
        CSpeedLabelStatic label;
        label.resize(80, 40);
        label.SetSpeed(true, 100);
        QCOMPARE(label.SpeedText(), QString("100"));
        QCOMPARE(label.UnitText(), QString("Km/h"));
        QTest::mouseDClick(&label, Qt::LeftButton);
        QCOMPARE(label.SpeedText(), QString(" 62"));
        QCOMPARE(label.UnitText(), QString("MPH"));
        QTest::mouseDClick(&label, Qt::LeftButton);
        QCOMPARE(label.SpeedText(), QString("100"));
    }

    void HiddenSpeedLeavesOnlyTheBackground()
    {
        CSpeedLabelStatic label;
        label.resize(80, 40);
        QImage shown(label.size(), QImage::Format_RGB32);
        label.SetSpeed(true, 88);
        label.Render(shown);
        QImage hidden(label.size(), QImage::Format_RGB32);
        label.SetSpeed(false, 0);
        label.Render(hidden);

        int lit = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                QCOMPARE(hidden.pixel(x, y), qRgb(5, 5, 5));
                lit += qGray(shown.pixel(x, y)) > 60;
            }
        QVERIFY2(lit > 50, "the digits and the unit are drawn");
    }
};

QTEST_MAIN(CSpeedLabelStaticTest)
#include "CSpeedLabelStaticTest.moc"
