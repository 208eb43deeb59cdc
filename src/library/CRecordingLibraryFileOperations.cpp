#include "library/CRecordingLibrary.h"

#include "library/CFileOperationUi.h"
#include "library/CGroupListView.h"
#include "library/CInstrumentPanel.h"
#include "library/CreateFolderTree.h"
#include "library/MessageText.h"
#include "library/MoveFileNoReplace.h"
#include "library/PathText.h"
#include "library/ReadOnlyAttribute.h"
#include "library/ReplaceFile.h"
#include "library/StringIds.h"

#include <algorithm>
#include <unistd.h>

int CRecordingLibrary::RefreshChecked()
{
    int anyChecked = 0;
    for (RecordingGroup& group : groups) {
        group.checked = views.groupList && views.groupList->IsChecked(group.index) ? 1 : 0;
        anyChecked |= group.checked;
    }
    return anyChecked;
}

int CRecordingLibrary::DeleteChecked()
{
    if (!RefreshChecked())
        return 0;
    int deleted = 0;
    // Backwards, so the indexes still to be visited stay valid while entries go.
    for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
        if (!group->checked)
            continue;
        for (int k = group->fileCount - 1; k >= 0; --k) {
            const auto i = static_cast<std::ptrdiff_t>(group->firstFile + k);
            if (!DeleteRecording(files[static_cast<std::size_t>(i)]))
                continue;
            files.erase(files.begin() + i);
            members.erase(members.begin() + i);
            ++deleted;
        }
    }
    if (deleted > 0) {
        ClearLists();
        BuildGroups();
    }
    return 1;
}

bool CRecordingLibrary::DeleteRecording(const RecordingFile& file)
{
    const std::string path = file.FullPath();
    const auto mode = ClearReadOnly(path);
    if (::unlink(path.c_str()) == 0)
        return true;
    // A recording that stays must keep its M lock.
    if (mode)
        RestoreMode(path, *mode);
    return false;
}

int CRecordingLibrary::UnlockChecked()
{
    if (!RefreshChecked())
        return 0;
    for (RecordingGroup& group : groups) {
        if (!group.checked)
            continue;
        std::uint32_t remaining = 0;
        for (int k = 0; k < group.fileCount; ++k) {
            RecordingFile& file = files[static_cast<std::size_t>(group.firstFile + k)];
            UnlockRecording(file);
            remaining |= file.lockFlags;
        }
        // A lock that could not be removed still shows on the group.
        group.lockFlags = static_cast<std::uint8_t>(remaining);
    }
    ClearLists();
    FillLists();
    return 1;
}

void CRecordingLibrary::UnlockRecording(RecordingFile& file)
{
    if ((file.lockFlags & LOCK_M) && ClearReadOnly(file.FullPath()))
        file.lockFlags &= ~LOCK_M;
    if (file.lockFlags & LOCK_G) {
        RecordingFile renamed = file;
        renamed.name[3] = '_';
        if (MoveFileNoReplace(file.FullPath(), renamed.FullPath())) {
            file.name = renamed.name;
            file.lockFlags &= ~LOCK_G;
        }
    }
}

int CRecordingLibrary::SaveCheckedAs(const std::string& targetFolder)
{
    if (!RefreshChecked())
        return 0;
    int total = 0;
    for (const RecordingGroup& group : groups)
        total += group.checked ? group.fileCount : 0;
    if (views.instruments) {
        views.instruments->ShowProgressBoard(true);
        views.instruments->SetProgress(0);
    }
    std::string failed;
    int done = 0;
    for (const RecordingGroup& group : groups) {
        if (!group.checked)
            continue;
        for (int k = 0; k < group.fileCount; ++k) {
            const RecordingFile& file = files[static_cast<std::size_t>(group.firstFile + k)];
            if (!CopyRecording(file, targetFolder))
                failed.append(failed.empty() ? "" : "\n").append(file.FullPath());
            ++done;
            if (views.instruments)
                views.instruments->SetProgress(std::min(100, done * 100 / total));
        }
    }
    if (views.instruments)
        views.instruments->ShowProgressBoard(false);
    if (!failed.empty() && views.fileOperationUi) {
        views.fileOperationUi->ShowMessage(MessageText(IDS_WARNING), MessageText(IDS_COPY_FAILED, failed),
                                           CFileOperationUi::Icon::Exclamation);
    }
    return 1;
}

// False only when the copy failed; a file the user chose not to replace
// counts as handled.
bool CRecordingLibrary::CopyRecording(const RecordingFile& file, const std::string& targetFolder)
{
    // The sub-folders below the scanned root are kept below the target.
    const std::string folder = JoinPath(targetFolder, file.subfolder);
    const std::string target = JoinPath(folder, file.name);
    if (::access(folder.c_str(), F_OK) != 0)
        CreateFolderTree(folder);
    if (::access(target.c_str(), F_OK) == 0) {
        // Without anyone to ask, an existing file is kept.
        const bool replace = views.fileOperationUi &&
                             views.fileOperationUi->Confirm(MessageText(IDS_OVERWRITE_CAPTION),
                                                            MessageText(IDS_OVERWRITE_QUESTION, target));
        if (!replace)
            return true;
    }
    return CopyFileReplacing(file.FullPath(), target);
}
