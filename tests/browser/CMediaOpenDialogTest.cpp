#include "browser/CFolderDialog.h"
#include "browser/CMediaOpenDialog.h"
#include "browser/VolumeList.h"
#include "settings/CIniSettings.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

using namespace fixtures;

Q_DECLARE_METATYPE(std::vector<VolumeRecord>)

namespace {

QStringList Texts(const std::vector<VolumeEntry>& entries)
{
    QStringList texts;
    for (const VolumeEntry& entry : entries)
        texts << entry.text;
    return texts;
}

// Runs `act` on the next modal dialog of type Dialog as soon as it shows;
// the platform dialogs run their own event loop, so the test cannot reach
// them from outside. A dialog of another kind, or one that never answers
// `act`, is cancelled after a few seconds so that the test fails instead of
// hanging.
template <typename Dialog>
void WhenModal(std::function<void(Dialog*)> act)
{
    constexpr int kPollMs = 10;
    constexpr int kGiveUpMs = 5000;
    auto* poll = new QTimer;
    poll->setInterval(kPollMs);
    QObject::connect(poll, &QTimer::timeout, [poll, act, waited = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal)) {
            act(dialog);
            QTimer::singleShot(kGiveUpMs, dialog, [dialog] { dialog->reject(); });
        } else if ((waited += kPollMs) < kGiveUpMs) {
            return;
        } else if (auto* other = qobject_cast<QDialog*>(modal)) {
            other->reject();
        }
        poll->stop();
        poll->deleteLater();
    });
    poll->start();
}

} // namespace

class CMediaOpenDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CMediaOpenDialog> Open(std::vector<VolumeRecord> volumes = {})
    {
        return std::make_unique<CMediaOpenDialog>(nullptr, *settings, std::move(volumes));
    }

    template <typename Widget>
    static Widget* Control(const QDialog& dialog, int id)
    {
        auto* widget = dialog.findChild<Widget*>(QString::number(id));
        if (!widget)
            qFatal("the dialog has no control %d", id);
        return widget;
    }

    std::string StoredFolder() const
    {
        return CIniSettings(settings->Path()).ReadSourceFolder();
    }

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<CIniSettings> settings;

private slots:
    void init()
    {
        folder = std::make_unique<TempFolder>();
        settings = std::make_unique<CIniSettings>(*folder / "Zel.ini");
    }

    void cleanup()
    {
        settings.reset();
        folder.reset();
    }

    void VolumesListLocalDisksWithTheMediaLast_data()
    {
        QTest::addColumn<std::vector<VolumeRecord>>("records");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("labelled card, unlabelled card")
            << std::vector<VolumeRecord>{{"/media/u/CAM", "CAM", "vfat", false}, {"/media/u/SD", "", "exfat", false}}
            << QStringList{"/media/u/CAM    [CAM]", "/media/u/SD"};
        QTest::newRow("system volumes first, then the media ones")
            << std::vector<VolumeRecord>{{"/var", "", "ext4", false},
                                         {"/run/media/u/CARD", "CARD", "vfat", false},
                                         {"/media/u/CAM", "CAM", "vfat", false},
                                         {"/", "", "ext4", false},
                                         {"/mnt/usb", "", "exfat", false},
                                         {"/boot", "BOOT", "ext4", false}}
            << QStringList{"/", "/boot    [BOOT]", "/var", "/media/u/CAM    [CAM]", "/mnt/usb",
                           "/run/media/u/CARD    [CARD]"};
        QTest::newRow("memory and package image file systems never listed")
            << std::vector<VolumeRecord>{{"/run/user/1000", "", "tmpfs", false},
                                         {"/snap/core/1", "", "squashfs", false},
                                         {"/", "", "ext4", false},
                                         {"/tmp", "", "tmpfs", false}}
            << QStringList{"/"};
        QTest::newRow("network volumes never listed")
            << std::vector<VolumeRecord>{{"/mnt/nas", "NAS", "cifs", false},
                                         {"/mnt/home", "", "nfs4", false},
                                         {"/mnt/remote", "", "fuse.sshfs", false},
                                         {"/mnt/odd", "", "ext4", true},
                                         {"/mnt/cdrom", "DVD", "iso9660", false},
                                         {"/mnt/c", "", "9p", false}}
            << QStringList{"/mnt/c", "/mnt/cdrom    [DVD]"};
        QTest::newRow("records without a mount point or a file system")
            << std::vector<VolumeRecord>{{"", "X", "vfat", false}, {"/mnt/x", "X", "", false}}
            << QStringList{};
    }
    void VolumesListLocalDisksWithTheMediaLast()
    {
        QFETCH(std::vector<VolumeRecord>, records);
        QFETCH(QStringList, texts);
        QCOMPARE(Texts(ListVolumes(records)), texts);
    }

    void DiskChoiceTakesTheMountPointOfTheLastVolume()
    {
        auto dialog = Open({{"/media/u/SD", "", "exfat", false}, {"/media/u/CAM", "CAM", "vfat", false}});
        auto* disks = Control<QComboBox>(*dialog, 1033);
        QCOMPARE(disks->count(), 2);
        QCOMPARE(disks->currentText(), QString("/media/u/SD"));
        Control<QRadioButton>(*dialog, 1029)->setChecked(true);
        Control<QPushButton>(*dialog, 1)->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->SourceKind(), CMediaOpenDialog::kSourceDisk);
        QCOMPARE(dialog->SourcePath(), QString("/media/u/SD"));

        // No volume: nothing to choose, and the empty drive is passed on.
        dialog = Open();
        QCOMPARE(Control<QComboBox>(*dialog, 1033)->currentIndex(), -1);
        Control<QRadioButton>(*dialog, 1029)->setChecked(true);
        dialog->accept();
        QCOMPARE(dialog->SourceKind(), CMediaOpenDialog::kSourceDisk);
        QCOMPARE(dialog->SourcePath(), QString());
    }

    void OpensOnFileWithTheRememberedFolderShown()
    {
        TempFolder remembered;
        settings->WriteString("UI", "Folder", remembered.Path());
        auto dialog = Open();
        QCOMPARE(dialog->windowTitle(), QString("Select a media"));
        QVERIFY(Control<QRadioButton>(*dialog, 1030)->isChecked());
        QCOMPARE(Control<QLineEdit>(*dialog, 1035)->text(), QString::fromStdString(remembered.Path()));
        dialog->accept();
        QCOMPARE(dialog->SourceKind(), CMediaOpenDialog::kSourceFile);
        QCOMPARE(dialog->SourcePath(), QString());

        // The remembered folder counts without being picked again.
        dialog = Open();
        Control<QRadioButton>(*dialog, 1031)->setChecked(true);
        dialog->accept();
        QCOMPARE(dialog->SourceKind(), CMediaOpenDialog::kSourceFolder);
        QCOMPARE(dialog->SourcePath(), QString::fromStdString(remembered.Path()));

        // A remembered folder that has gone since is not offered.
        std::filesystem::remove_all(remembered.Path());
        QCOMPARE(Control<QLineEdit>(*Open(), 1035)->text(), QString());
    }

    void PickedFolderIsChosenAndRememberedEvenOnCancel()
    {
        TempFolder first;
        TempFolder picked;
        settings->WriteString("UI", "Folder", first.Path());
        auto dialog = Open();
        QString startedIn;
        WhenModal<CFolderDialog>([&](CFolderDialog* picker) {
            startedIn = picker->directory().absolutePath();
            picker->setDirectory(QString::fromStdString(picked.Path()));
            static_cast<QDialog*>(picker)->accept();  // as the Choose button does
        });
        Control<QPushButton>(*dialog, 1037)->click();
        QCOMPARE(startedIn, QString::fromStdString(first.Path()));
        QVERIFY(Control<QRadioButton>(*dialog, 1031)->isChecked());
        QCOMPARE(Control<QLineEdit>(*dialog, 1035)->text(), QString::fromStdString(picked.Path()));
        dialog->reject();
        QCOMPARE(StoredFolder(), picked.Path());

        // Cancelling the picker changes nothing.
        dialog = Open();
        WhenModal<CFolderDialog>([](CFolderDialog* picker) { picker->reject(); });
        Control<QPushButton>(*dialog, 1037)->click();
        QVERIFY(Control<QRadioButton>(*dialog, 1030)->isChecked());
        QCOMPARE(Control<QLineEdit>(*dialog, 1035)->text(), QString::fromStdString(picked.Path()));
        QCOMPARE(StoredFolder(), picked.Path());
    }

    void ChosenFileIsTakenAndSelected()
    {
        TempFolder card;
        const std::string path = card / "FILE0001.MOV";
        std::ofstream(path) << "x";
        auto dialog = Open();
        Control<QRadioButton>(*dialog, 1031)->setChecked(true);
        WhenModal<QFileDialog>([](QFileDialog* files) { files->reject(); });
        Control<QPushButton>(*dialog, 1036)->click();
        QVERIFY(Control<QRadioButton>(*dialog, 1031)->isChecked());
        QCOMPARE(Control<QLineEdit>(*dialog, 1034)->text(), QString());

        // Typed into the name field, as a user may; the dialog ignores
        // selectFile while that field has the focus.
        WhenModal<QFileDialog>([&](QFileDialog* files) {
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QString::fromStdString(path));
            static_cast<QDialog*>(files)->accept();
        });
        Control<QPushButton>(*dialog, 1036)->click();
        QVERIFY(Control<QRadioButton>(*dialog, 1030)->isChecked());
        QCOMPARE(Control<QLineEdit>(*dialog, 1034)->text(), QString::fromStdString(path));
        dialog->accept();
        QCOMPARE(dialog->SourceKind(), CMediaOpenDialog::kSourceFile);
        QCOMPARE(dialog->SourcePath(), QString::fromStdString(path));
    }
};

QTEST_MAIN(CMediaOpenDialogTest)
#include "CMediaOpenDialogTest.moc"
