#pragma once

#include "library/LibraryViews.h"
#include "media/GroupMember.h"
#include "media/RecordingFile.h"
#include "media/RecordingGroup.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct WalkEntry;

// The recordings of the chosen source: the files sorted by start time, their
// groups of continuous recording, the current file and group, and the
// telemetry of the current file. The file index is the row of the file list
// and the group index the row of the group list. Operations return 1 when
// done and 0 when there was nothing to do or the request was refused.
class CRecordingLibrary {
public:
    // Wires the library to the views (any may be null) and empties it.
    void Attach(const LibraryViews& views);
    // Empties the library and both lists, and clears the curves.
    void Reset();
    // Loads a folder, scanned recursively for names that pass the recording
    // name rule, or, when fileName is not empty, that one file of the folder.
    // 0 when the folder or file does not exist; 1 otherwise, even when
    // nothing in it was a recording.
    int Load(const std::string& folder, const std::string& fileName);
    // Frees everything; the library may be loaded again afterwards.
    void Release();

    // Marks where groups start, rebuilds groups and members and fills the lists.
    void BuildGroups();
    // Adds a row per group and per file to the lists, which the caller has emptied.
    void FillLists();
    // Makes a file current, highlighting it and its group and scrolling both into view.
    int SelectFile(int index);
    // Makes a group and its first file current and highlights them.
    int SelectGroup(int index);
    // The group of the current file, or -1; also made the current group.
    int GroupOfFile();

    // Makes a file current and loads its telemetry: the curves get its
    // G-sensor samples and the map its whole route. 0 when the index is out
    // of range or the file cannot be opened.
    int OpenTelemetry(int index);
    // Moves curve cursor, compass, speed and map marker to a playing time.
    // 1 when the time has a GPS record with a usable position (the GPS
    // indicator shows a fix), else 0.
    int UpdateTelemetry(std::int64_t ms, bool curveShown, bool mapShown);
    // Redraws the driven route up to a playing time, after a seek.
    int DrawDrivenRoute(std::int64_t ms);
    // The full path of a file; empty for an index outside the list.
    std::string FilePath(int index) const;
    std::string CurrentFilePath() const;
    // The picture size of the current file; either output may be null.
    int CurrentPictureSize(int* width, int* height);

    // Reads the check boxes of the group list; 1 when any group is checked.
    int RefreshChecked();
    // Deletes the recordings of the checked groups, read-only ones included.
    int DeleteChecked();
    // Removes both locks from the recordings of the checked groups.
    int UnlockChecked();
    // Copies the recordings of the checked groups below targetFolder,
    // keeping their sub-folders, asking before it replaces a file and
    // reporting the files it could not copy.
    int SaveCheckedAs(const std::string& targetFolder);

    // Writes the GPS track of the current file as KML into exportFolder and
    // sets kmlPath to the file's path. 0 when there is no current file, no
    // export folder, or the file cannot be written.
    int ExportKml(const std::string& exportFolder, std::string& kmlPath);

    const std::vector<RecordingFile>& Files() const { return files; }
    const std::vector<RecordingGroup>& Groups() const { return groups; }
    const std::vector<GroupMember>& Members() const { return members; }
    int CurrentFile() const { return currentFile; }
    int CurrentGroup() const { return currentGroup; }
    // The payloads loaded by OpenTelemetry, as stored in the file.
    std::span<const std::uint8_t> GpsData() const { return gpsData; }
    std::span<const std::uint8_t> GSensorData() const { return gsensorData; }
    double GpsRatePerSecond() const { return gpsRatePerSecond; }

private:
    // The outcome of the last UpdateTelemetry, so that the many time reports
    // within one GPS record cost nothing.
    struct ShownRecord {
        std::int64_t index = -1;
        bool mapShown = false;
        int result = 0;
    };

    bool IsFileIndex(int index) const { return index >= 0 && static_cast<std::size_t>(index) < files.size(); }
    bool IsGroupIndex(int index) const { return index >= 0 && static_cast<std::size_t>(index) < groups.size(); }

    // Load
    bool ScanFolder(const std::string& folder);
    void AddScannedFile(const WalkEntry& entry);
    bool AddSingleFile(const std::string& folder, const std::string& fileName);
    void SortByStartTime();

    // Groups
    void MarkGroupStarts();
    void BuildGroupRecords();
    void ClearLists();
    void ClearCurrentHighlights();
    void HighlightCurrentRows(bool scrollIntoView);

    // Telemetry
    void ShowGSensorSamples(const VideoFileInfo& info);
    void DrawPlannedRoute();
    // Runs plotCall with each track point among the first recordLimit records.
    void PlotRoute(const char* plotCall, std::size_t recordLimit);
    std::int64_t GpsRecordAt(std::int64_t ms) const;
    int ShowGpsRecord(std::int64_t index, bool mapShown);
    void ShowNoGpsFix();

    // File operations
    bool DeleteRecording(const RecordingFile& file);
    void UnlockRecording(RecordingFile& file);
    bool CopyRecording(const RecordingFile& file, const std::string& targetFolder);

    std::vector<RecordingFile> files;
    std::vector<RecordingGroup> groups;
    std::vector<GroupMember> members;
    LibraryViews views;
    std::vector<std::uint8_t> gpsData;
    std::vector<std::uint8_t> gsensorData;
    int scanCount = 0;
    double gpsRatePerSecond = 1.0;
    int currentFile = -1;
    int currentGroup = -1;
    ShownRecord shown;
    // Reused for every map script call so that plotting a route does not
    // allocate per point.
    std::string script;
};
