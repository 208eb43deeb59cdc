#include "library/CRecordingLibrary.h"

#include "library/CFileListView.h"
#include "library/CGroupListView.h"
#include "library/ResolutionName.h"

namespace {

// The camera closes one file and opens the next within a second or two; a
// larger step either way is a break in the recording.
constexpr std::int64_t kContinuitySlackSeconds = 2;

} // namespace

void CRecordingLibrary::BuildGroups()
{
    groups.clear();
    members.clear();
    MarkGroupStarts();
    BuildGroupRecords();
    FillLists();
}

void CRecordingLibrary::MarkGroupStarts()
{
    if (files.empty())
        return;
    files[0].groupStart = 1;
    // Marks are only ever set: a recording that once started a group keeps
    // doing so when the files around it are rebuilt after a deletion.
    for (std::size_t i = 1; i < files.size(); ++i) {
        const VideoFileInfo& previous = files[i - 1].info;
        const std::int64_t end = previous.startTime + previous.durationSeconds;
        const std::int64_t start = files[i].info.startTime;
        if (start < end - kContinuitySlackSeconds || start > end + kContinuitySlackSeconds)
            files[i].groupStart = 1;
    }
}

void CRecordingLibrary::BuildGroupRecords()
{
    RecordingGroup group;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const RecordingFile& file = files[i];
        if (file.groupStart != 0) {
            if (i > 0)
                groups.push_back(group);
            group = RecordingGroup{};
            group.index = static_cast<std::int32_t>(groups.size());
            group.firstFile = static_cast<std::int32_t>(i);
        }
        members.push_back({group.index, group.fileCount, static_cast<std::int32_t>(i),
                           static_cast<std::int64_t>(file.info.fileSize), static_cast<std::int32_t>(file.info.durationMs)});
        ++group.fileCount;
        group.totalDurationMs += file.info.durationMs;
        group.totalSize += static_cast<std::int64_t>(file.info.fileSize);
        group.lockFlags = static_cast<std::uint8_t>(group.lockFlags | file.lockFlags);
    }
    if (!files.empty())
        groups.push_back(group);
}

void CRecordingLibrary::FillLists()
{
    if (views.groupList) {
        for (const RecordingGroup& group : groups) {
            const VideoFileInfo& first = files[static_cast<std::size_t>(group.firstFile)].info;
            views.groupList->AddGroupRow(group.index, ResolutionName(first.width, first.height),
                                         static_cast<std::uint64_t>(group.totalDurationMs),
                                         static_cast<std::uint64_t>(group.totalSize), group.lockFlags, first.startTime);
        }
    }
    if (views.fileList) {
        for (const GroupMember& member : members) {
            const RecordingFile& file = files[static_cast<std::size_t>(member.file)];
            views.fileList->AddFileRow(member.group, member.indexInGroup, file.root + file.subfolder, file.name,
                                       static_cast<std::uint32_t>(member.durationMs),
                                       static_cast<std::uint64_t>(member.fileSize), file.lockFlags, file.info.startTime);
        }
    }
}

void CRecordingLibrary::ClearLists()
{
    if (views.groupList)
        views.groupList->DeleteAllRows();
    if (views.fileList)
        views.fileList->DeleteAllRows();
}

int CRecordingLibrary::SelectFile(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= members.size())
        return 0;
    ClearCurrentHighlights();
    currentFile = index;
    GroupOfFile();
    HighlightCurrentRows(true);
    return 1;
}

int CRecordingLibrary::SelectGroup(int index)
{
    if (!IsGroupIndex(index))
        return 0;
    ClearCurrentHighlights();
    currentGroup = index;
    currentFile = groups[static_cast<std::size_t>(index)].firstFile;
    HighlightCurrentRows(false);
    return 1;
}

int CRecordingLibrary::GroupOfFile()
{
    currentGroup = -1;
    if (currentFile != -1) {
        for (const RecordingGroup& group : groups) {
            if (currentFile < group.firstFile + group.fileCount) {
                currentGroup = group.index;
                break;
            }
        }
    }
    return currentGroup;
}

void CRecordingLibrary::ClearCurrentHighlights()
{
    // After a deletion the current indexes may name rows that are gone.
    if (views.groupList && IsGroupIndex(currentGroup))
        views.groupList->SetHighlight(currentGroup, false);
    if (views.fileList && IsFileIndex(currentFile))
        views.fileList->SetHighlight(currentFile, false);
}

void CRecordingLibrary::HighlightCurrentRows(bool scrollIntoView)
{
    if (views.groupList && IsGroupIndex(currentGroup)) {
        views.groupList->SetHighlight(currentGroup, true);
        if (scrollIntoView)
            views.groupList->EnsureVisible(currentGroup);
    }
    if (views.fileList && IsFileIndex(currentFile)) {
        views.fileList->SetHighlight(currentFile, true);
        if (scrollIntoView)
            views.fileList->EnsureVisible(currentFile);
    }
}
