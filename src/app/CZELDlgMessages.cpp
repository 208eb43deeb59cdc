#include "app/CZELDlg.h"

#include "browser/CZelFileListCtrl.h"
#include "browser/CZelGroupListCtrl.h"
#include "map/CHtmlMapDlg.h"
#include "playback/CWindowMessageEvent.h"
#include "playback/WindowMessages.h"
#include "settings/CIniSettings.h"

#include <QCoreApplication>

// The window messages with which the players, the controls and the dialogs
// report to the main window.

bool CZELDlg::event(QEvent* event)
{
    if (event->type() != CWindowMessageEvent::EventType())
        return QDialog::event(event);
    const auto* message = static_cast<const CWindowMessageEvent*>(event);
    OnWindowMessage(message->Message(), message->WParam(), event);
    return true;
}

void CZELDlg::OnWindowMessage(int message, std::uint64_t wParam, QEvent* event)
{
    // List rows fit in an int; -1 arrives as all bits set.
    const int index = static_cast<int>(static_cast<std::int64_t>(wParam));
    switch (message) {
    case UM_LANGUAGE_CHANGED:
        OnLanguageChanged();
        break;
    case UM_TOGGLE_FULLSCREEN:
        OnToggleFullScreen();
        break;
    case UM_SHOW_CONTROLS:
        ShowControlSet(true);
        break;
    case UM_PLAY_GROUP:
        m_playback->OnPlayGroup(index);
        break;
    case UM_PLAY_FILE:
        m_playback->OnPlayFile(index);
        break;
    case UM_MAP_TYPE_CHANGED:
        OnMapTypeChanged();
        break;
    case UM_VOLUME_CHANGED:
        m_playback->OnVolumeChanged();
        break;
    case UM_SEEK_REQUEST:
        m_playback->OnSeekRequest();
        break;
    case UM_PLAYER_ERROR:
    case UM_PLAY_STATE:
    case UM_TIME_CHANGED:
    case UM_END_REACHED:
    case UM_PARTNER_END_REACHED:
        // The players report to the playback controller; a report that
        // reaches the window is handled there all the same.
        QCoreApplication::sendEvent(m_playback.get(), event);
        break;
    default:  // UM_RESERVED and anything unknown
        break;
    }
}

void CZELDlg::OnLanguageChanged()
{
    m_groupList->RetitleColumns();
    m_fileList->RetitleColumns();
    BuildToolTips();
}

// The configuration dialog has written the new choice to the settings file.
void CZELDlg::OnMapTypeChanged()
{
    m_mapChoice = m_settings.ReadMapChoice();
    if (m_map)
        m_map->LoadPage(m_mapChoice);
}
