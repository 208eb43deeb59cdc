#include "library/CRecordingLibrary.h"

#include "library/CCurveView.h"
#include "library/CScanCounter.h"
#include "library/RecordingNameRule.h"
#include "library/WalkFolder.h"
#include "media/ParserForName.h"

#include <algorithm>
#include <unistd.h>

namespace {

// Fills file.info from the container at `path`; true when it is a recording.
bool ParseRecording(RecordingFile& file, const std::string& path, FileStatus* status = nullptr)
{
    auto parser = ParserForName(file.name);
    parser->SetInfoTarget(&file.info);
    parser->SetStatusTarget(status);
    return parser->Parse(path) == 0;
}

} // namespace

void CRecordingLibrary::Attach(const LibraryViews& attached)
{
    files.clear();
    groups.clear();
    members.clear();
    currentFile = -1;
    currentGroup = -1;
    views = attached;
}

void CRecordingLibrary::Reset()
{
    files.clear();
    groups.clear();
    members.clear();
    currentFile = -1;
    currentGroup = -1;
    ClearLists();
    // The telemetry stays until the next file is opened: a window may still
    // show the old recording's instruments until then.
    if (views.curve)
        views.curve->ClearSamples();
}

int CRecordingLibrary::Load(const std::string& folder, const std::string& fileName)
{
    Reset();
    if (views.curve)
        views.curve->Invalidate();
    const bool found = fileName.empty() ? ScanFolder(folder) : AddSingleFile(folder, fileName);
    if (!found)
        return 0;
    if (!files.empty()) {
        SortByStartTime();
        BuildGroups();
    }
    return 1;
}

void CRecordingLibrary::Release()
{
    gpsData = {};
    gsensorData = {};
    files = {};
    groups = {};
    members = {};
}

bool CRecordingLibrary::ScanFolder(const std::string& folder)
{
    scanCount = 0;
    return WalkFolder(folder, [this](const WalkEntry& entry) { AddScannedFile(entry); }) != WalkOutcome::FolderMissing;
}

void CRecordingLibrary::AddScannedFile(const WalkEntry& entry)
{
    if (entry.isFolder)
        return;
    if (PassesRecordingNameRule(entry.name)) {
        RecordingFile file;
        file.lockFlags = RecordingLockFlags(entry.name, entry.data.readOnly);
        file.name = entry.name;
        file.root = entry.root;
        file.subfolder = entry.relativePath;
        if (ParseRecording(file, file.FullPath()))
            files.push_back(std::move(file));
    }
    if (views.scanCounter)
        views.scanCounter->ShowCount(scanCount);
    ++scanCount;
}

bool CRecordingLibrary::AddSingleFile(const std::string& folder, const std::string& fileName)
{
    RecordingFile file;
    file.name = fileName;
    file.root = folder;
    const std::string path = (folder.ends_with('/') ? folder : folder + '/') + fileName;
    if (::access(path.c_str(), F_OK) != 0)
        return false;
    // A file the user chose is taken whatever its name, once it parses.
    FileStatus status;
    if (ParseRecording(file, path, &status)) {
        file.lockFlags = RecordingLockFlags(fileName, status.readOnly);
        files.push_back(std::move(file));
    }
    return true;
}

void CRecordingLibrary::SortByStartTime()
{
    // Stable, so recordings with equal start times keep the scan's order
    // from one load to the next.
    std::stable_sort(files.begin(), files.end(),
                     [](const RecordingFile& a, const RecordingFile& b) { return a.info.startTime < b.info.startTime; });
}

std::string CRecordingLibrary::FilePath(int index) const
{
    return IsFileIndex(index) ? files[static_cast<std::size_t>(index)].FullPath() : std::string();
}

std::string CRecordingLibrary::CurrentFilePath() const { return FilePath(currentFile); }
