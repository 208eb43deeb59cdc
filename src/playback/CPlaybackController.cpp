#include "playback/CPlaybackController.h"

#include "playback/PartnerPath.h"
#include "playback/RateTable.h"

#include <QTimerEvent>

#include <algorithm>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr int kPrimaryVolume = 200;
constexpr int kPartnerVolume = 0;

// The rate text is sized to the picture; a file of unknown size gets this.
constexpr int kDefaultMarqueeSize = 48;
// A newly opened media makes its video output only after a while, and the
// text given before that is lost: it is given again for about 3 s.
constexpr int kMarqueeRepeats = 10;
constexpr auto kMarqueeRepeatPeriod = 300ms;

constexpr auto kSeekPeriod = 500ms;
constexpr auto kDeferredStartPeriod = 100ms;
constexpr int kDeferredStartTicks = 5;
constexpr auto kBusyOpeningLimit = 100s;

constexpr auto kSettleAfterStop = 200ms;

float RateOf(int index)
{
    return static_cast<float>(kRateSteps[static_cast<std::size_t>(index)].rate);
}

} // namespace

CPlaybackController::CPlaybackController(IMediaPlayer& primary, IMediaPlayer& partner, IPlaybackLibrary& library,
                                         const CPlaybackViews& views, SettleWait settle, QObject* parent)
    : QObject(parent),
      m_primary(primary),
      m_partner(partner),
      m_library(library),
      m_views(views),
      m_settle(std::move(settle)),
      m_rateIndex(kNormalRateIndex),
      m_pendingSeekMs(kNoSeek)
{
}

CPlaybackController::~CPlaybackController() = default;

void CPlaybackController::SleepOnWindowThread(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

void CPlaybackController::InitPlayback()
{
    m_rateIndex = kNormalRateIndex;
    BindPlayer(m_primary, m_views.primarySurface, &CPlaybackController::OnPrimaryEvent);
    BindPlayer(m_partner, m_views.partnerSurface, &CPlaybackController::OnPartnerEvent);
    m_primary.SetVolume(kPrimaryVolume);
    m_partner.SetVolume(kPartnerVolume);
    StartTimer(TIMER_APPLY_SEEK, kSeekPeriod);
    StartTimer(TIMER_DEFERRED_START, kDeferredStartPeriod);
}

void CPlaybackController::BindPlayer(IMediaPlayer& player, IVideoSurface& surface, PlayerEventCallback callback)
{
    if (!player.IsUsable()) {
        m_views.window.WarnPlayerUnusable();
        return;
    }
    player.BindWindow(surface.Window());
    player.AttachEvents(this, callback);
    player.SetRate(RateOf(m_rateIndex));
}

// --- Starting a recording -------------------------------------------------

void CPlaybackController::StartFile(int index, StartVariant variant)
{
    const bool fromList = variant == StartVariant::Group || variant == StartVariant::File;
    if (fromList) {
        m_primary.Stop();
        m_partner.Stop();
        m_settle(kSettleAfterStop);
        if (variant == StartVariant::Group) {
            m_library.SelectGroup(index);
            index = std::min(m_library.CurrentFile(), m_library.FileCount() - 1);
            if (index < 0)
                return;
        } else if (!m_library.SelectFile(index)) {
            return;
        }
        SetBusyOpening(true);
    } else if (variant == StartVariant::Wrap) {
        m_primary.Stop();
        m_partner.Stop();
    }

    if (!m_library.SelectFile(index))
        return;
    // Moving on to the next file happens on a surface already shown.
    if (variant != StartVariant::Next && variant != StartVariant::Wrap)
        m_views.primarySurface.Show();
    m_library.OpenTelemetry(index);
    m_currentPath = m_library.FilePath(index);
    m_primary.OpenMedia(m_currentPath);
    if (variant == StartVariant::Open)
        m_views.playButton.SetAltShown(true);
    m_views.window.FitVideoSurfaces();
    m_primary.Play();
    if (variant != StartVariant::Open && variant != StartVariant::Wrap)
        RepeatRateMarquee();
    StartPartner(m_currentPath);
}

void CPlaybackController::StartPartner(const std::string& path)
{
    QWidget* surface = m_views.partnerSurface.Window();
    const std::string partnerPath = surface ? PartnerPath(path) : std::string();
    if (partnerPath.empty()) {
        // Drops the previous partner's media so it cannot play with this recording.
        m_partner.Recreate(0);
        return;
    }
    m_views.partnerSurface.Show();
    // A recreated partner has no window until it is given one again.
    m_partner.BindWindow(surface);
    m_partner.OpenMedia(partnerPath);
    m_partner.Play();
}

void CPlaybackController::PrepareOpen()
{
    ClearPendingSeek();
    m_primary.Stop();
    m_partner.Stop();
    ResetRate();
}

void CPlaybackController::DeferStart(int index)
{
    m_deferredStartIndex = index;
    m_deferredStartTicks = kDeferredStartTicks;
}

void CPlaybackController::SetBusyOpening(bool busy)
{
    m_busyOpening = busy;
    if (busy)
        StartTimer(TIMER_BUSY_OPENING, kBusyOpeningLimit);
}

void CPlaybackController::OnPlayGroup(int group)
{
    if (group != -1 && !IsBusyOpening())
        StartFile(group, StartVariant::Group);
}

void CPlaybackController::OnPlayFile(int index)
{
    if (index != -1 && !IsBusyOpening())
        StartFile(index, StartVariant::File);
}

// --- Transport commands ---------------------------------------------------

void CPlaybackController::OnPlay()
{
    ClearPendingSeek();
    m_views.gsensorCursor.SetStopped(false);
    if (m_library.FileCount() == 0) {
        m_views.playButton.SetAltShown(false);
        return;
    }
    // Each player toggles by its own record; the PLAY button follows the
    // primary's reports of what it actually does.
    if (m_primary.IsPlaying()) {
        m_primary.Pause();
    } else {
        m_views.primarySurface.Show();
        m_primary.Play();
        RepeatRateMarquee();
    }
    if (m_partner.IsPlaying()) {
        m_partner.Pause();
    } else {
        m_views.partnerSurface.Show();
        m_partner.Play();
    }
}

void CPlaybackController::OnStop()
{
    ClearPendingSeek();
    m_views.playButton.SetAltShown(false);
    m_primary.Stop();
    m_partner.Stop();
    ResetRate();
    m_views.positionSlider.SetPosition(0);
    m_views.gsensorCursor.SetPosition(0);
    m_views.gsensorCursor.SetStopped(true);
    m_views.primarySurface.Hide();
    m_views.partnerSurface.Hide();
}

void CPlaybackController::OnFast()
{
    StepRate(+1);
}

void CPlaybackController::OnSlow()
{
    StepRate(-1);
}

void CPlaybackController::OnLoop()
{
    m_autoNext = !m_autoNext;
}

// --- Speed ------------------------------------------------------------------

void CPlaybackController::StepRate(int step)
{
    m_rateIndex = std::clamp(m_rateIndex + step, 0, static_cast<int>(kRateSteps.size()) - 1);
    ApplyRate();
    ApplyRateMarquee();
}

// Normal speed, and its text taken off the pictures: a stopped or newly
// opened recording must not keep showing the speed it no longer plays at.
void CPlaybackController::ResetRate()
{
    m_rateIndex = kNormalRateIndex;
    ApplyRate();
    ApplyRateMarquee();
}

void CPlaybackController::ApplyRate()
{
    m_primary.SetRate(RateOf(m_rateIndex));
    m_partner.SetRate(RateOf(m_rateIndex));
}

void CPlaybackController::ApplyRateMarquee()
{
    const RateStep& step = kRateSteps[static_cast<std::size_t>(m_rateIndex)];
    int width = 0;
    int height = 0;
    const int size = m_library.CurrentPictureSize(width, height) && height != 0 ? height / 10 : kDefaultMarqueeSize;
    const std::string text(step.label);
    const bool shown = step.rate != 1.0;
    m_primary.ShowMarquee(text, size, shown);
    m_partner.ShowMarquee(text, size, shown);
}

void CPlaybackController::RepeatRateMarquee()
{
    ApplyRateMarquee();
    m_marqueeTicks = kMarqueeRepeats;
    StartTimer(TIMER_RATE_MARQUEE, kMarqueeRepeatPeriod);
}

// --- Seeking and volume ---------------------------------------------------

std::optional<std::int64_t> CPlaybackController::PendingSeek() const
{
    const std::int64_t target = m_pendingSeekMs.load();
    return target == kNoSeek ? std::nullopt : std::optional(target);
}

void CPlaybackController::ClearPendingSeek()
{
    m_pendingSeekMs = kNoSeek;
}

std::optional<std::int64_t> CPlaybackController::SeekTargetOfSlider() const
{
    const std::int64_t length = m_primary.GetLength();
    if (length <= 0)
        return std::nullopt;
    // Whole milliseconds per slider step, as the slider has always mapped them.
    return m_views.positionSlider.Position() * (length / kPositionSliderRange);
}

void CPlaybackController::OnPositionScroll()
{
    if (const auto target = SeekTargetOfSlider())
        m_pendingSeekMs = *target;
}

void CPlaybackController::OnSeekRequest()
{
    const auto target = SeekTargetOfSlider();
    if (!target)
        return;
    m_pendingSeekMs = *target;
    ShowTelemetryAt(*target);
}

// The players are told at most twice a second: each jump makes them
// reopen their stream, and the slider sends many targets while dragged.
void CPlaybackController::ApplyPendingSeek()
{
    const std::int64_t target = m_pendingSeekMs.exchange(kNoSeek);
    if (target == kNoSeek)
        return;
    m_primary.SetTime(target);
    m_partner.SetTime(target);
    m_library.DrawDrivenRoute(target);
}

void CPlaybackController::OnVolumeChanged()
{
    // The slider's 0..100 spans up to twice the media's own loudness; the
    // partner stays silent so that one sound track is heard.
    m_primary.SetVolume(2 * m_views.volumeSlider.Position());
}

void CPlaybackController::OnMute(bool muted)
{
    m_primary.SetMute(muted);
}

// --- Timers -----------------------------------------------------------------

void CPlaybackController::StartTimer(int id, std::chrono::milliseconds period)
{
    StopTimer(id);
    m_timers[id] = QObject::startTimer(period);
}

void CPlaybackController::StopTimer(int id)
{
    if (const auto it = m_timers.find(id); it != m_timers.end()) {
        killTimer(it->second);
        m_timers.erase(it);
    }
}

void CPlaybackController::timerEvent(QTimerEvent* event)
{
    const auto it = std::find_if(m_timers.begin(), m_timers.end(),
                                 [&](const auto& timer) { return timer.second == event->timerId(); });
    if (it != m_timers.end())
        OnTimer(it->first);
}

void CPlaybackController::OnTimer(int id)
{
    switch (id) {
    case TIMER_RATE_MARQUEE:
        ApplyRateMarquee();
        if (m_marqueeTicks > 0)
            --m_marqueeTicks;
        else
            StopTimer(TIMER_RATE_MARQUEE);
        break;
    case TIMER_APPLY_SEEK:
        ApplyPendingSeek();
        break;
    case TIMER_DEFERRED_START:
        if (m_deferredStartTicks > 0 && --m_deferredStartTicks == 0 && m_deferredStartIndex != -1)
            StartFile(m_deferredStartIndex, StartVariant::Deferred);
        break;
    case TIMER_BUSY_OPENING:
        m_busyOpening = false;
        StopTimer(TIMER_BUSY_OPENING);
        break;
    default:
        break;
    }
}
