#pragma once

#include "browser/CZelRecordingListCtrl.h"
#include "library/CFileListView.h"
#include "settings/CIniSettings.h"

// The file list: one row per recording, in playing order. A double click
// posts UM_PLAY_FILE with the row to the message receiver.
class CZelFileListCtrl : public CZelRecordingListCtrl, public CFileListView {
    Q_OBJECT

public:
    explicit CZelFileListCtrl(QObject* messageReceiver, QWidget* parent = nullptr,
                              const CIniSettings& settings = CIniSettings::Instance());

    bool AddFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                    std::uint32_t durationMs, std::uint64_t size, std::uint32_t lockFlags,
                    std::int64_t startTime) override;

    void DeleteAllRows() override { ClearRows(); }
    void SetHighlight(int row, bool highlighted) override { HighlightRow(row, highlighted); }
    void EnsureVisible(int row) override { ScrollRowIntoView(row); }
};
