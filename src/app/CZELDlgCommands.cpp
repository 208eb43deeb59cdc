#include "app/CZELDlg.h"

#include "app/ControlIds.h"
#include "app/WindowSizes.h"
#include "controls/CGdipButton.h"
#include "controls/CVideoStatic.h"
#include "library/MessageText.h"
#include "library/StringIds.h"
#include "map/CHtmlMapDlg.h"
#include "settings/dialog/LocalizedText.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <filesystem>

// The buttons' commands.

namespace {

enum : unsigned { IDS_ABOUT_MENU = 101 };

// The title row, where a right click offers the About box.
constexpr int kTitleRowHeight = 48;

} // namespace

void CZELDlg::OnCommand(int id)
{
    switch (id) {
    case IDC_OPEN: OnOpen(); break;
    case IDC_SAVE: m_fileCommands->OnSaveAs(); break;
    case IDC_SNAP: OnSnapshot(); break;
    case IDC_DEL: m_fileCommands->OnDelete(); break;
    case IDC_CONF: OnConfiguration(); break;
    case IDC_PLAY: m_playback->OnPlay(); break;
    case IDC_STOP: m_playback->OnStop(); break;
    case IDC_FAST: m_playback->OnFast(); break;
    case IDC_SLOW: m_playback->OnSlow(); break;
    case IDC_LOOP: m_playback->OnLoop(); break;
    case IDC_KML: m_fileCommands->OnKml(); break;
    case IDC_MAP: OnMapSwitch(); break;
    case IDC_GSR: OnGSensorSwitch(); break;
    case IDC_LOCK: m_fileCommands->OnUnlock(); break;
    case IDC_MINIMISE: OnMinimise(); break;
    case IDC_MAXIMISE: OnToggleMaximise(); break;
    case IDC_CLOSE: close(); break;
    case IDC_ABOUT: m_dialogs->ShowAbout(); break;
    case IDC_MUTE: OnMute(); break;
    case IDC_SIZE_S: SetSizeFromMonitor(SmallWindowRect); break;
    case IDC_SIZE_M: SetSizeFromMonitor(MediumWindowRect); break;
    case IDC_SIZE_L: SetSizeFromMonitor(LargeWindowRect); break;
    default: break;
    }
}

void CZELDlg::OnOpen()
{
    if (!m_library.Files().empty() && m_playback->IsBusyOpening())
        return;
    m_playback->PrepareOpen();
    if (const auto source = m_dialogs->ChooseMediaSource())
        OpenSource(*source);
}

void CZELDlg::OpenSource(const MediaSource& source)
{
    if (source.kind == MediaSource::Kind::File) {
        m_library.Reset();
        const std::filesystem::path path(source.path);
        if (!m_library.Load(path.parent_path().string(), path.filename().string()) || m_library.Files().empty())
            return;
        m_players->Primary().BindWindow(m_views->primarySurface.Window());
        m_playback->StartFile(0, StartVariant::Open);
        return;
    }

    // Raised before the scan: a second OPEN while this one has not started
    // playing is ignored.
    m_playback->SetBusyOpening(true);
    if (source.path.empty()) {
        m_playback->SetBusyOpening(false);
        return;
    }
    m_library.Reset();
    // The scan blocks the window; the first video counts the files as it goes.
    auto* counter = static_cast<CVideoStatic*>(Child(IDC_VIDEO1));
    counter->ShowCounter(true);
    m_library.Load(source.path, std::string());
    counter->ShowCounter(false);
    if (m_library.Files().empty()) {
        m_playback->SetBusyOpening(false);
        return;
    }
    if (source.kind == MediaSource::Kind::Disk)
        m_playback->StartFile(0, StartVariant::Open);
    else
        m_playback->DeferStart(0);
}

void CZELDlg::OnConfiguration()
{
    const auto mapChoice = m_dialogs->RunConfiguration();
    if (!mapChoice)
        return;
    m_mapChoice = *mapChoice;
    if (m_map)
        m_map->LoadPage(m_mapChoice);
}

void CZELDlg::OnMute()
{
    // The button has already swapped its picture: the crossed-out speaker means muted.
    m_players->Primary().SetMute(m_buttons.at(IDC_MUTE)->AltShown());
}

void CZELDlg::OnSnapshot()
{
    if (m_library.Files().empty()) {
        ShowNoFiles();
        return;
    }
    // The picture stays still while the user names the file.
    IMediaPlayer& primary = m_players->Primary();
    const bool wasPlaying = primary.IsUsable() && primary.IsPlaying();
    if (wasPlaying)
        primary.Pause();
    if (const auto path = m_dialogs->ChooseSnapshotPath())
        m_players->TakeSnapshot(*path);
    if (wasPlaying)
        primary.Play();
}

void CZELDlg::ShowNoFiles()
{
    m_dialogs->ShowMessage(MessageText(IDS_OK), MessageText(IDS_NO_FILES));
}

void CZELDlg::SetSizeFromMonitor(QRect (*sizeFor)(QRect monitor))
{
    setGeometry(sizeFor(MonitorRect()));
    m_maximised = false;
}

void CZELDlg::contextMenuEvent(QContextMenuEvent* event)
{
    const QString about = LocalizedText(IDS_ABOUT_MENU, m_settings);
    if (event->pos().y() >= kTitleRowHeight || about.isEmpty()) {
        QDialog::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.addAction(about, this, [this] { m_dialogs->ShowAbout(); });
    menu.exec(event->globalPos());
}
