#include "playback/PartnerPath.h"

#include "support/TempFolder.h"

#include <QTest>

#include <filesystem>
#include <fstream>

class PartnerPathTest : public QObject {
    Q_OBJECT

private slots:
    void SecondCameraFile_data();
    void SecondCameraFile();
};

void PartnerPathTest::SecondCameraFile_data()
{
    QTest::addColumn<QStringList>("files");  // made below the card folder
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("partner");    // empty: none
    QTest::newRow("same folder") << QStringList{"CAR/0001F.MOV", "CAR/0001R.MOV"} << "CAR/0001F.MOV"
                                 << "CAR/0001R.MOV";
    QTest::newRow("sibling folder ending in R")
        << QStringList{"DCIM/100F/0001F.MOV", "DCIM/100R/0001R.MOV"} << "DCIM/100F/0001F.MOV"
        << "DCIM/100R/0001R.MOV";
    QTest::newRow("same folder wins over sibling")
        << QStringList{"DCIM/100F/0001F.MOV", "DCIM/100F/0001R.MOV", "DCIM/100R/0001R.MOV"}
        << "DCIM/100F/0001F.MOV" << "DCIM/100F/0001R.MOV";
    QTest::newRow("rear recording is its own partner") << QStringList{"0002R.MOV"} << "0002R.MOV" << "0002R.MOV";
    QTest::newRow("no rear recording") << QStringList{"CAR/0001F.MOV"} << "CAR/0001F.MOV" << "";
    QTest::newRow("sibling folder named otherwise")
        << QStringList{"DCIM/100F/0001F.MOV", "DCIM/REAR/0001R.MOV"} << "DCIM/100F/0001F.MOV" << "";
    QTest::newRow("a folder of that name is no file")
        << QStringList{"CAR/0001F.MOV", "CAR/0001R.MOV/inside"} << "CAR/0001F.MOV" << "";
    QTest::newRow("doubled separator before the name")
        << QStringList{"DCIM/100F/0001F.MOV", "DCIM/100R/0001R.MOV"} << "DCIM/100F//0001F.MOV"
        << "DCIM/100R//0001R.MOV";
    QTest::newRow("more than three separators in a row")
        << QStringList{"DCIM/100F/0001F.MOV", "DCIM/100R/0001R.MOV"} << "DCIM/100F////0001F.MOV" << "";
    QTest::newRow("no extension") << QStringList{"CAR/0001F", "CAR/0001R"} << "CAR/0001F" << "";
}

void PartnerPathTest::SecondCameraFile()
{
    QFETCH(QStringList, files);
    QFETCH(QString, front);
    QFETCH(QString, partner);
    fixtures::TempFolder card;
    for (const QString& file : files) {
        const std::filesystem::path path = card / file.toStdString();
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "video";
    }

    const std::string result = PartnerPath(card / front.toStdString());

    QCOMPARE(QString::fromStdString(result), partner.isEmpty() ? QString() : QString::fromStdString(card / partner.toStdString()));
}

QTEST_APPLESS_MAIN(PartnerPathTest)
#include "PartnerPathTest.moc"
