#include "browser/CFolderDialog.h"

#include <QUrl>

CFolderDialog::CFolderDialog(QWidget* owner, const QString& title, const QString& initialFolder)
    : QFileDialog(owner, title)
{
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setAcceptMode(QFileDialog::AcceptOpen);
    if (!initialFolder.isEmpty())
        setDirectory(initialFolder);
}

int CFolderDialog::DoModal()
{
    if (exec() != QDialog::Accepted)
        return QDialog::Rejected;
    const QList<QUrl> chosen = selectedUrls();
    if (chosen.isEmpty() || !chosen.front().isLocalFile())
        return kNoFileSystemPath;
    m_selectedPath = chosen.front().toLocalFile();
    return QDialog::Accepted;
}
