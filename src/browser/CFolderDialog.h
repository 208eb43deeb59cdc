#pragma once

#include <QFileDialog>
#include <QString>

// The folder picker: folders only, opening in an initial folder so that
// choosing at once takes that folder again.
class CFolderDialog : public QFileDialog {
    Q_OBJECT

public:
    // DoModal's answer when the chosen item is not a folder on this machine.
    static constexpr int kNoFileSystemPath = -1;

    // initialFolder may be empty: the picker then opens where the platform likes.
    CFolderDialog(QWidget* owner, const QString& title, const QString& initialFolder);

    // QDialog::Accepted with SelectedPath() set, QDialog::Rejected, or kNoFileSystemPath.
    int DoModal();
    const QString& SelectedPath() const { return m_selectedPath; }

private:
    QString m_selectedPath;
};
