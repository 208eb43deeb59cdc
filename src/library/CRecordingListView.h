#pragma once

// What the library does with either recording list: rows are added in
// order, removed all at once, and the row being played is highlighted.
class CRecordingListView {
public:
    virtual ~CRecordingListView() = default;

    virtual void DeleteAllRows() = 0;
    // The "playing" highlight, distinct from the user's selection.
    virtual void SetHighlight(int row, bool highlighted) = 0;
    // Scrolls until the row is entirely visible.
    virtual void EnsureVisible(int row) = 0;
};
