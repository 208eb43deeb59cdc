#pragma once

#include "browser/CZelRecordingListCtrl.h"
#include "library/CGroupListView.h"
#include "settings/CIniSettings.h"

// The group list: one row per run of recordings made without a break. Its
// check boxes choose the groups that delete, copy and unlock act on; a double
// click posts UM_PLAY_GROUP with the row to the message receiver.
class CZelGroupListCtrl : public CZelRecordingListCtrl, public CGroupListView {
    Q_OBJECT

public:
    explicit CZelGroupListCtrl(QObject* messageReceiver, QWidget* parent = nullptr,
                               const CIniSettings& settings = CIniSettings::Instance());

    bool AddGroupRow(int group, const std::string& resolution, std::uint64_t totalDurationMs, std::uint64_t totalSize,
                     std::uint32_t lockFlags, std::int64_t startTime) override;
    bool IsChecked(int row) const override;

    void DeleteAllRows() override { ClearRows(); }
    void SetHighlight(int row, bool highlighted) override { HighlightRow(row, highlighted); }
    void EnsureVisible(int row) override { ScrollRowIntoView(row); }
};
