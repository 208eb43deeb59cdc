#pragma once

#include "library/CRecordingListView.h"

#include <cstdint>
#include <string>

// The group list: one row per group, with a check box that chooses the
// groups the file operations act on. Values arrive unformatted; the list
// shows them with FormatGroupRow and the lock image `lockFlags` (0..3).
class CGroupListView : public CRecordingListView {
public:
    // Appends a row with its check box cleared; false when it could not be added.
    virtual bool AddGroupRow(int group, const std::string& resolution, std::uint64_t totalDurationMs,
                             std::uint64_t totalSize, std::uint32_t lockFlags, std::int64_t startTime) = 0;
    virtual bool IsChecked(int row) const = 0;
};
