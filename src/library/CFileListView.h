#pragma once

#include "library/CRecordingListView.h"

#include <cstdint>
#include <string>

// The file list: one row per recording, in file order. Values arrive
// unformatted; the list shows them with FormatFileRow and the lock image
// `lockFlags` (0..3).
class CFileListView : public CRecordingListView {
public:
    // Appends a row; false when it could not be added.
    virtual bool AddFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                            std::uint32_t durationMs, std::uint64_t size, std::uint32_t lockFlags,
                            std::int64_t startTime) = 0;
};
