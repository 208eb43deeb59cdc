#include "browser/CZelFileListCtrl.h"

#include "library/ListRowText.h"
#include "playback/WindowMessages.h"

namespace {

// Six columns of three tenths each: together wider than the list, which
// scrolls sideways to the folder column.
constexpr int kWidthNumerator = 3;
constexpr int kWidthDenominator = 10;

} // namespace

CZelFileListCtrl::CZelFileListCtrl(QObject* messageReceiver, QWidget* parent, const CIniSettings& settings)
    : CZelRecordingListCtrl(kFileListTitleIds, kWidthNumerator, kWidthDenominator, UM_PLAY_FILE, messageReceiver,
                            settings, parent)
{
}

bool CZelFileListCtrl::AddFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                                  std::uint32_t durationMs, std::uint64_t size, std::uint32_t lockFlags,
                                  std::int64_t startTime)
{
    AppendRow(FormatFileRow(group, indexInGroup, folder, name, durationMs, size, startTime), lockFlags);
    return true;
}
