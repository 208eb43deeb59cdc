#include "library/CFileCommands.h"

#include "library/CFileOperationUi.h"
#include "library/CRecordingLibrary.h"
#include "library/MessageText.h"
#include "library/StringIds.h"
#include "settings/CIniSettings.h"

#include <filesystem>

CFileCommands::CFileCommands(CRecordingLibrary& lib, CFileOperationUi& fileUi, std::function<void()> stop)
    : library(lib)
    , ui(fileUi)
    , stopPlayback(std::move(stop))
{
}

bool CFileCommands::HasFiles()
{
    if (!library.Files().empty())
        return true;
    ui.ShowMessage(MessageText(IDS_OK), MessageText(IDS_NO_FILES));
    return false;
}

void CFileCommands::ReportNothingChecked(int result)
{
    if (result == 0)
        ui.ShowMessage(MessageText(IDS_SELECTION_CAPTION), MessageText(IDS_NOTHING_CHECKED));
}

void CFileCommands::OnDelete()
{
    if (!HasFiles())
        return;
    stopPlayback();
    if (ui.Confirm(MessageText(IDS_DELETE_CAPTION), MessageText(IDS_DELETE_QUESTION)))
        ReportNothingChecked(library.DeleteChecked());
}

void CFileCommands::OnUnlock()
{
    if (HasFiles())
        ReportNothingChecked(library.UnlockChecked());
}

void CFileCommands::OnSaveAs()
{
    if (!HasFiles())
        return;
    stopPlayback();
    const auto folder = ui.ChooseFolder(MessageText(IDS_SELECT_FOLDER));
    if (!folder)
        return;
    std::error_code ec;
    if (std::filesystem::is_directory(*folder, ec))
        ReportNothingChecked(library.SaveCheckedAs(*folder));
    else
        ui.ShowMessage(MessageText(IDS_WARNING), MessageText(IDS_FOLDER_MISSING), CFileOperationUi::Icon::Exclamation);
}

void CFileCommands::OnKml()
{
    if (!HasFiles())
        return;
    // A missing documents folder fails the export instead of writing into
    // whatever directory is current.
    std::string path;
    const int saved = library.ExportKml(CIniSettings::KmlFolderPath().value_or(""), path);
    ui.ShowMessage(MessageText(IDS_KML_CAPTION), MessageText(saved ? IDS_KML_SAVED : IDS_KML_FAILED, path));
}
