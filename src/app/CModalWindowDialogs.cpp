#include "app/CModalWindowDialogs.h"

#include "browser/CFolderDialog.h"
#include "browser/CMediaOpenDialog.h"
#include "settings/dialog/CKepConfigDlg.h"
#include "settings/dialog/LocalizedText.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

enum : unsigned { IDS_ABOUT_CAPTION = 101 };

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

bool CModalWindowDialogs::Confirm(const std::string& caption, const std::string& question)
{
    return QMessageBox::question(&m_owner, Text(caption), Text(question), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

std::optional<std::string> CModalWindowDialogs::ChooseFolder(const std::string& title)
{
    CFolderDialog picker(&m_owner, Text(title), QString());
    if (picker.DoModal() != QDialog::Accepted)
        return std::nullopt;
    return picker.SelectedPath().toStdString();
}

void CModalWindowDialogs::ShowMessage(const std::string& caption, const std::string& text, Icon icon)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, Text(caption), Text(text),
                    QMessageBox::Ok, &m_owner);
    box.exec();
}

std::optional<MediaSource> CModalWindowDialogs::ChooseMediaSource()
{
    CMediaOpenDialog dialog(&m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return MediaSource{static_cast<MediaSource::Kind>(dialog.SourceKind()), dialog.SourcePath().toStdString()};
}

std::optional<int> CModalWindowDialogs::RunConfiguration()
{
    CKepConfigDlg dialog(&m_owner, m_settings);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.MapChoice();
}

// Without an owner, like the platform's own save dialog of the snapshot.
std::optional<std::string> CModalWindowDialogs::ChooseSnapshotPath()
{
    QFileDialog dialog(nullptr);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("Jpeg File(*.jpg)"), QStringLiteral("Png File(*.png)")});
    dialog.setDefaultSuffix(QStringLiteral("JPG"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

void CModalWindowDialogs::ShowAbout()
{
    QMessageBox about(&m_owner);
    about.setWindowTitle(LocalizedText(IDS_ABOUT_CAPTION, m_settings).remove(QLatin1Char('&')));
    about.setIconPixmap(QPixmap(QStringLiteral(":/images/128-64.png")));
    about.setText(QStringLiteral("<b>Tavrel</b> %1").arg(QCoreApplication::applicationVersion()));
    about.setStandardButtons(QMessageBox::Ok);
    about.exec();
}
