#include "app/CZELDlg.h"

#include "app/ControlIds.h"
#include "app/WindowSizes.h"
#include "map/CHtmlMapDlg.h"

#include "controls/CGdipButton.h"
#include "controls/CMonitor.h"
#include <QCursor>
#include <QTimerEvent>

// The window has no frame, so it offers its own states: three fixed sizes,
// maximise and restore, minimise, and one video over the whole monitor.

using namespace std::chrono_literals;

namespace {

constexpr auto kFullScreenSettle = 800ms;

} // namespace

void CZELDlg::SetWindowRect(QRect rect)
{
    setGeometry(rect);
    raise();
    show();
}

// The whole monitor that holds the window, not its work area: the window
// covers panels and docks like a full-screen program.
QRect CZELDlg::MonitorRect() const
{
    return CMonitor(*this).Rect();
}

void CZELDlg::OnToggleMaximise()
{
    if (m_maximised) {
        SetWindowRect(m_savedRect);
        m_maximised = false;
    } else {
        m_savedRect = QRect(pos(), size());
        SetWindowRect(MonitorRect());
        m_maximised = true;
    }
}

void CZELDlg::OnMinimise()
{
    showMinimized();
    m_restoreShowsVideo = true;
}

void CZELDlg::OnToggleFullScreen()
{
    const bool primaryPaused = m_players->IsPrimaryPaused();
    const bool partnerPaused = m_players->IsPartnerPaused();

    // The video under the pointer is the one that goes full screen.
    const QPoint pointer = QCursor::pos();
    const auto under = [&](int id) {
        const QWidget* surface = Child(id);
        return surface->rect().contains(surface->mapFromGlobal(pointer));
    };
    if (under(IDC_VIDEO1))
        m_fullScreenView = 1;
    else if (under(IDC_VIDEO2))
        m_fullScreenView = 2;

    if (m_library.Files().empty())
        return;

    IMediaPlayer& primary = m_players->Primary();
    IMediaPlayer& partner = m_players->Partner();
    if (!primaryPaused)
        primary.Pause();
    if (!partnerPaused)
        partner.Pause();

    if (m_fullScreen)
        LeaveFullScreen();
    else
        EnterFullScreen();

    if (!primaryPaused)
        primary.Play();
    if (!partnerPaused)
        partner.Play();
}

void CZELDlg::EnterFullScreen()
{
    m_savedRect = QRect(pos(), size());
    const QRect monitor = MonitorRect();
    const QSize client = size();
    m_fullScreen = true;
    m_maximised = false;
    ShowControlSet(false);
    setGeometry(FullScreenWindowRect(monitor, client));
    LayoutChildren(width(), height());
    m_buttons.at(IDC_PLAY)->setFocus();
    if (m_fullScreenTimer)
        killTimer(m_fullScreenTimer);
    m_fullScreenTimer = startTimer(kFullScreenSettle);
    if (m_fullScreenView == 2) {
        m_views->primarySurface.HideWindow();
        Child(IDC_VIDEO2)->update();
    } else {
        m_views->partnerSurface.HideWindow();
        Child(IDC_VIDEO1)->update();
    }
}

void CZELDlg::LeaveFullScreen()
{
    m_fullScreen = false;
    ShowControlSet(true);
    SetWindowRect(m_savedRect);
    LayoutChildren(width(), height());
    m_views->primarySurface.ApplyHiddenFlag();
    m_views->partnerSurface.ApplyHiddenFlag();
}

void CZELDlg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_fullScreenTimer) {
        QDialog::timerEvent(event);
        return;
    }
    killTimer(m_fullScreenTimer);
    m_fullScreenTimer = 0;
    // Once the monitor has taken the new size, the window is brought to the
    // front so that panels and docks give way to it.
    raise();
    activateWindow();
}

void CZELDlg::ShowControlSet(bool show)
{
    if (m_layout.gsensorPanelOn)
        Child(IDC_GSENSOR)->setVisible(show);
    else
        Child(IDC_GSENSOR)->hide();

    static constexpr int kControlSet[] = {
        IDC_PLAY,    IDC_STOP,    IDC_SLOW,   IDC_FAST,       IDC_CONF,      IDC_DEL,     IDC_SAVE,  IDC_SNAP,
        IDC_OPEN,    IDC_LOOP,    IDC_KML,    IDC_MAP,        IDC_GSR,       IDC_LOCK,    IDC_POSITION,
        IDC_VOLUME,  IDC_GPS,     IDC_CLOSE,  IDC_MAXIMISE,   IDC_MINIMISE,  IDC_ABOUT,   IDC_MUTE,
        IDC_GROUP_LIST, IDC_FILE_LIST, IDC_COMPASS, IDC_SPEED, IDC_SIZE_S,   IDC_SIZE_M,  IDC_SIZE_L};
    for (const int id : kControlSet)
        Child(id)->setVisible(show);
    // The board shows itself only while a copy runs.
    Child(IDC_PROGRESS)->hide();

    if (m_map) {
        if (show && m_layout.mapPanelOn)
            m_map->show();
        else
            // Out of the way rather than hidden; the next layout puts it back.
            m_map->setGeometry(0, 0, 1, 1);
    }

    if (m_fullScreenView == 1) {
        m_views->partnerSurface.SetWindowVisible(show);
        Child(IDC_VIDEO_BG2)->setVisible(show);
    } else if (m_fullScreenView == 2) {
        m_views->primarySurface.SetWindowVisible(show);
        Child(IDC_VIDEO_BG1)->setVisible(show);
    }
}

void CZELDlg::changeEvent(QEvent* event)
{
    // Back from the task bar after "-": both surfaces show again, even a
    // stopped one, which then shows the dark background.
    if (event->type() == QEvent::WindowStateChange && m_restoreShowsVideo && !isMinimized()) {
        m_restoreShowsVideo = false;
        m_views->primarySurface.SetWindowVisible(true);
        m_views->partnerSurface.SetWindowVisible(true);
    }
    QDialog::changeEvent(event);
}
