#include "browser/CMediaOpenDialog.h"

#include "controls/NamedControl.h"

#include "browser/CFolderDialog.h"
#include "settings/CIniSettings.h"
#include "settings/dialog/LocalizedText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr unsigned kTitleText = 104;
constexpr unsigned kOkText = 107;
constexpr unsigned kCancelText = 108;
constexpr unsigned kDiskText = 111;
constexpr unsigned kFolderText = 112;
constexpr unsigned kFileText = 113;
constexpr unsigned kFolderPickerTitle = 130;

constexpr int kMinimumWidth = 460;

} // namespace

CMediaOpenDialog::CMediaOpenDialog(QWidget* parent)
    : CMediaOpenDialog(parent, CIniSettings::Instance(), MountedVolumeRecords())
{
}

CMediaOpenDialog::CMediaOpenDialog(QWidget* parent, CIniSettings& settings, std::vector<VolumeRecord> volumes)
    : QDialog(parent)
    , m_settings(settings)
{
    BuildControls();
    // "File" even when a folder is remembered: a single recording is the
    // quickest thing to open, and the folder stays one click away.
    m_file->setChecked(true);
    SetTexts();
    FillDisks(std::move(volumes));
    m_folderEdit->setText(QString::fromStdString(m_settings.ReadSourceFolder()));
}

void CMediaOpenDialog::BuildControls()
{
    m_disk = Named(new QRadioButton(this), 1029);
    m_disks = Named(new QComboBox(this), 1033);
    m_file = Named(new QRadioButton(this), 1030);
    m_fileEdit = Named(new QLineEdit(this), 1034);
    m_fileButton = Named(new QPushButton(QStringLiteral("..."), this), 1036);
    m_folder = Named(new QRadioButton(this), 1031);
    m_folderEdit = Named(new QLineEdit(this), 1035);
    m_folderButton = Named(new QPushButton(QStringLiteral("..."), this), 1037);
    m_ok = Named(new QPushButton(this), 1);
    m_cancel = Named(new QPushButton(this), 2);

    m_choices = new QButtonGroup(this);
    m_choices->addButton(m_disk, kChoiceDisk);
    m_choices->addButton(m_file, kChoiceFile);
    m_choices->addButton(m_folder, kChoiceFolder);
    m_fileEdit->setReadOnly(true);
    m_folderEdit->setReadOnly(true);
    for (QPushButton* browse : {m_fileButton, m_folderButton})
        browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) * 3);
    m_ok->setDefault(true);

    auto* choices = new QGridLayout;
    choices->addWidget(m_disk, 0, 0);
    choices->addWidget(m_disks, 0, 1, 1, 2);
    choices->addWidget(m_file, 1, 0);
    choices->addWidget(m_fileEdit, 1, 1);
    choices->addWidget(m_fileButton, 1, 2);
    choices->addWidget(m_folder, 2, 0);
    choices->addWidget(m_folderEdit, 2, 1);
    choices->addWidget(m_folderButton, 2, 2);
    choices->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(kMinimumWidth);

    connect(m_fileButton, &QPushButton::clicked, this, &CMediaOpenDialog::ChooseFile);
    connect(m_folderButton, &QPushButton::clicked, this, &CMediaOpenDialog::ChooseFolder);
    connect(m_ok, &QPushButton::clicked, this, &CMediaOpenDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CMediaOpenDialog::reject);
}

void CMediaOpenDialog::SetTexts()
{
    setWindowTitle(LocalizedText(kTitleText, m_settings));
    m_disk->setText(LocalizedText(kDiskText, m_settings));
    m_file->setText(LocalizedText(kFileText, m_settings));
    m_folder->setText(LocalizedText(kFolderText, m_settings));
    m_ok->setText(LocalizedText(kOkText, m_settings));
    m_cancel->setText(LocalizedText(kCancelText, m_settings));
}

void CMediaOpenDialog::FillDisks(std::vector<VolumeRecord> volumes)
{
    m_disks->clear();
    for (const VolumeEntry& entry : ListVolumes(std::move(volumes)))
        m_disks->addItem(entry.text, entry.mountPoint);
    // The last volume is usually the card that was just put in (mounted
    // below /media or /run/media, after the system's own volumes).
    m_disks->setCurrentIndex(m_disks->count() - 1);
}

void CMediaOpenDialog::ChooseFile()
{
    const QString path = QFileDialog::getOpenFileName(this);
    if (path.isEmpty())
        return;
    m_filePath = path;
    m_fileEdit->setText(path);
    m_file->setChecked(true);
}

void CMediaOpenDialog::ChooseFolder()
{
    CFolderDialog picker(this, LocalizedText(kFolderPickerTitle, m_settings),
                         QString::fromStdString(m_settings.ReadSourceFolder()));
    if (picker.DoModal() != QDialog::Accepted)
        return;
    m_folderPath = picker.SelectedPath();
    m_folderEdit->setText(m_folderPath);
    m_folder->setChecked(true);
    // Remembered at once, so the folder is offered again even when this
    // dialog is then cancelled.
    m_settings.WriteString(CIniSettings::kSectionUi, CIniSettings::kKeyFolder,
                           QDir(m_folderPath).exists() ? m_folderPath.toStdString() : std::string());
}

void CMediaOpenDialog::accept()
{
    m_choice = m_choices->checkedId();
    m_drive = m_disks->currentData().toString();
    // The edit, not the picker's answer: a folder remembered from an earlier
    // run counts without being picked again.
    m_folderPath = m_folderEdit->text();
    QDialog::accept();
}

int CMediaOpenDialog::SourceKind() const
{
    switch (m_choice) {
    case kChoiceDisk:
        return kSourceDisk;
    case kChoiceFolder:
        return kSourceFolder;
    default:
        return kSourceFile;
    }
}

QString CMediaOpenDialog::SourcePath() const
{
    switch (m_choice) {
    case kChoiceDisk:
        return m_drive;
    case kChoiceFolder:
        return m_folderPath;
    default:
        return m_filePath;
    }
}
