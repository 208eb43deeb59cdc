#pragma once

#include "browser/VolumeList.h"

#include <QDialog>
#include <QString>

#include <vector>

class CIniSettings;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Where the recordings come from: a whole disk (the camera's memory card), one
// file or a folder. The dialog only collects the choice; nothing is checked
// here, so an empty path reaches the caller as it is. The widgets are named by
// their control IDs (1029 Disk, 1033 disks, 1030 File, 1034 file path, 1036
// file button, 1031 Folder, 1035 folder path, 1037 folder button).
class CMediaOpenDialog : public QDialog {
    Q_OBJECT

public:
    // The radio buttons, in the order the dialog shows them.
    static constexpr int kChoiceDisk = 0;
    static constexpr int kChoiceFile = 1;
    static constexpr int kChoiceFolder = 2;

    // The kinds of source the scan knows.
    static constexpr int kSourceDisk = 0;
    static constexpr int kSourceFolder = 1;
    static constexpr int kSourceFile = 2;

    // On the process-wide settings and the volumes mounted now.
    explicit CMediaOpenDialog(QWidget* parent = nullptr);
    CMediaOpenDialog(QWidget* parent, CIniSettings& settings, std::vector<VolumeRecord> volumes);

    // Valid after OK.
    int Choice() const { return m_choice; }
    // The mount point of the chosen disk; empty when none was listed.
    const QString& Drive() const { return m_drive; }
    const QString& FilePath() const { return m_filePath; }
    const QString& FolderPath() const { return m_folderPath; }

    // The choice as the scan takes it: kSourceDisk, kSourceFolder or kSourceFile,
    // and the drive, folder or file that goes with it.
    int SourceKind() const;
    QString SourcePath() const;

    void accept() override;

private:
    void BuildControls();
    void SetTexts();
    void FillDisks(std::vector<VolumeRecord> volumes);
    void ChooseFile();
    void ChooseFolder();

    CIniSettings& m_settings;
    QButtonGroup* m_choices = nullptr;
    QRadioButton* m_disk = nullptr;
    QRadioButton* m_file = nullptr;
    QRadioButton* m_folder = nullptr;
    QComboBox* m_disks = nullptr;
    QLineEdit* m_fileEdit = nullptr;
    QLineEdit* m_folderEdit = nullptr;
    QPushButton* m_fileButton = nullptr;
    QPushButton* m_folderButton = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;

    int m_choice = kChoiceFile;
    QString m_drive;
    QString m_filePath;
    QString m_folderPath;
};
