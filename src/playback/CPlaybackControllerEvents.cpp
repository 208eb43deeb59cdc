#include "playback/CPlaybackController.h"

#include "playback/CWindowMessageEvent.h"
#include "playback/WindowMessages.h"

#include <algorithm>

using namespace std::chrono_literals;

// What the players report: posted from their own threads, handled here on
// the window thread.

namespace {

constexpr auto kSettleBeforeHold = 50ms;

// Play-state values of UM_PLAY_STATE.
constexpr std::uint64_t kStatePlaying = 3;
constexpr std::uint64_t kStatePaused = 4;

} // namespace

void CPlaybackController::OnPrimaryEvent(const CPlayerEvent& event, void* self)
{
    auto* controller = static_cast<CPlaybackController*>(self);
    const auto clearGpsIndicator = [controller] {
        QMetaObject::invokeMethod(
            controller, [controller] { controller->m_views.gpsIndicator.SetFix(false); }, Qt::QueuedConnection);
    };
    switch (event.type) {
    case PLAYER_OPENING:
        controller->ClearPendingSeek();
        clearGpsIndicator();
        break;
    case PLAYER_PLAYING:
        PostWindowMessage(controller, UM_PLAY_STATE, kStatePlaying);
        break;
    case PLAYER_PAUSED:
        controller->ClearPendingSeek();
        PostWindowMessage(controller, UM_PLAY_STATE, kStatePaused);
        break;
    case PLAYER_STOPPED:
        clearGpsIndicator();
        break;
    case PLAYER_END_REACHED:
        PostWindowMessage(controller, UM_END_REACHED, 1);
        controller->ClearPendingSeek();
        break;
    case PLAYER_ENCOUNTERED_ERROR:
        PostWindowMessage(controller, UM_PLAYER_ERROR, 1);
        break;
    case PLAYER_TIME_CHANGED:
        // While a jump waits, the old times would pull the slider back.
        if (controller->m_pendingSeekMs.load() == kNoSeek) {
            PostWindowMessage(controller, UM_TIME_CHANGED, static_cast<std::uint64_t>(event.newTime));
            controller->m_busyOpening = false;
        }
        break;
    default:
        break;
    }
}

void CPlaybackController::OnPartnerEvent(const CPlayerEvent& event, void* self)
{
    if (event.type == PLAYER_END_REACHED)
        PostWindowMessage(static_cast<CPlaybackController*>(self), UM_PARTNER_END_REACHED, 1);
}

bool CPlaybackController::event(QEvent* event)
{
    if (event->type() != CWindowMessageEvent::EventType())
        return QObject::event(event);
    const auto* message = static_cast<const CWindowMessageEvent*>(event);
    switch (message->Message()) {
    case UM_PLAY_STATE:
        OnPlayState(message->WParam());
        break;
    case UM_TIME_CHANGED:
        OnTimeChanged(static_cast<std::int64_t>(message->WParam()));
        break;
    case UM_END_REACHED:
        OnEndReached();
        break;
    case UM_PLAYER_ERROR:
        if (message->WParam() == 1)
            m_views.window.ShowPlayerError();
        break;
    case UM_PARTNER_END_REACHED:
        // A partner shorter than its recording stays on its last picture.
        break;
    default:
        break;
    }
    return true;
}

void CPlaybackController::OnPlayState(std::uint64_t state)
{
    if (state == kStatePlaying || state == kStatePaused)
        m_views.playButton.SetAltShown(state == kStatePlaying);
}

// The only refresh of the instruments while a recording plays.
void CPlaybackController::OnTimeChanged(std::int64_t ms)
{
    ShowTelemetryAt(ms);
    // A jump asked for since the report was posted wins over it.
    if (PendingSeek())
        return;
    const std::int64_t length = m_primary.GetLength();
    const double fraction = length > 0 ? static_cast<double>(ms) / static_cast<double>(length) : 0.0;
    m_views.positionSlider.SetPosition(static_cast<int>(fraction * kPositionSliderRange));
}

void CPlaybackController::ShowTelemetryAt(std::int64_t ms)
{
    const IPlaybackWindow& window = m_views.window;
    m_views.gpsIndicator.SetFix(m_library.UpdateTelemetry(ms, window.GSensorPanelOn(), window.MapPanelOn()) != 0);
}

void CPlaybackController::OnEndReached()
{
    if (!m_autoNext) {
        RewindAndHold();
        return;
    }
    const int last = m_library.FileCount() - 1;
    const int current = std::min(m_library.CurrentFile(), last);
    if (current < 0 || current == last)
        StartFile(0, StartVariant::Wrap);
    else
        StartFile(current + 1, StartVariant::Next);
}

// Without auto-next the recording goes back to its first picture and waits there.
void CPlaybackController::RewindAndHold()
{
    m_primary.Stop();
    m_primary.Play();
    m_partner.Stop();
    m_partner.Play();
    m_settle(kSettleBeforeHold);
    m_primary.Pause();
    m_partner.Pause();
    m_views.positionSlider.SetPosition(0);
    m_views.gsensorCursor.SetPosition(0);
}
