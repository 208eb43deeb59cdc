#include "browser/CZelGroupListCtrl.h"

#include "library/ListRowText.h"
#include "playback/WindowMessages.h"

namespace {

// Five columns sharing the list's width.
constexpr int kWidthNumerator = 1;
constexpr int kWidthDenominator = 5;

} // namespace

CZelGroupListCtrl::CZelGroupListCtrl(QObject* messageReceiver, QWidget* parent, const CIniSettings& settings)
    : CZelRecordingListCtrl(kGroupListTitleIds, kWidthNumerator, kWidthDenominator, UM_PLAY_GROUP, messageReceiver,
                            settings, parent)
{
}

bool CZelGroupListCtrl::AddGroupRow(int group, const std::string& resolution, std::uint64_t totalDurationMs,
                                    std::uint64_t totalSize, std::uint32_t lockFlags, std::int64_t startTime)
{
    QTreeWidgetItem* item =
        AppendRow(FormatGroupRow(group, resolution, totalDurationMs, totalSize, startTime), lockFlags);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    return true;
}

bool CZelGroupListCtrl::IsChecked(int row) const
{
    const QTreeWidgetItem* item = Row(row);
    return item && item->checkState(0) == Qt::Checked;
}
