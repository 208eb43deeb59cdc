#pragma once

#include "playback/IMediaPlayer.h"
#include "playback/IPlaybackLibrary.h"
#include "playback/PlaybackViews.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

// How a recording comes to be started; each start differs in whether the
// players are stopped first, the surface shown, the busy guard raised and
// the rate text put up again.
enum class StartVariant {
    Open,      // OPEN of a disk or a file: the first file
    Deferred,  // OPEN of a folder, half a second after the scan
    Group,     // a group double-clicked
    File,      // a file double-clicked
    Next,      // the end of a recording, the next one
    Wrap,      // the end of the last recording, the first one again
};

enum PlaybackTimer : int {
    TIMER_RATE_MARQUEE = 102,
    TIMER_APPLY_SEEK = 103,
    TIMER_DEFERRED_START = 105,
    TIMER_BUSY_OPENING = 106,
};

// The main window's playback: the primary player with the recording the
// user chose, the partner player with the second camera's recording beside
// it, the transport commands, seeking and volume, the time-driven telemetry
// display and what happens at the end of a recording.
//
// Runs on the window thread. The players' event threads reach it only by
// posting to it and through the two atomic flags, so the players must be
// destroyed before it.
class CPlaybackController : public QObject {
    Q_OBJECT

public:
    // Blocks the window thread for a while so the video library can settle.
    using SettleWait = std::function<void(std::chrono::milliseconds)>;

    CPlaybackController(IMediaPlayer& primary, IMediaPlayer& partner, IPlaybackLibrary& library,
                        const CPlaybackViews& views, SettleWait settle = SleepOnWindowThread,
                        QObject* parent = nullptr);
    ~CPlaybackController() override;

    // At window initialisation: binds each usable player to its surface and
    // listens to it (warning about each unusable one), sets normal speed,
    // the primary's volume to 200 and the partner's to 0, and starts the
    // timers that run for the window's life.
    void InitPlayback();

    void StartFile(int index, StartVariant variant);
    // Plays the second camera's recording of `path` beside it, or clears the
    // partner player when there is none.
    void StartPartner(const std::string& path);

    // The open command's share: forget a seek not yet applied, stop both
    // players and return to normal speed.
    void PrepareOpen();
    // Starts file `index` with StartVariant::Deferred about half a second from now.
    void DeferStart(int index);
    bool IsBusyOpening() const { return m_busyOpening.load(); }
    // Raised while an open or a list start waits for its first time report;
    // lowered by that report or after 100 s at the latest.
    void SetBusyOpening(bool busy);

    void OnPlay();
    void OnStop();
    void OnFast();
    void OnSlow();
    void OnLoop();
    void OnMute(bool muted);
    void OnPositionScroll();
    // The position slider moving: besides the new target, the instruments
    // and the map follow it at once.
    void OnSeekRequest();
    void OnVolumeChanged();
    void OnPlayGroup(int group);
    void OnPlayFile(int index);
    void OnTimer(int id);

    int RateIndex() const { return m_rateIndex; }
    bool AutoNext() const { return m_autoNext; }
    std::optional<std::int64_t> PendingSeek() const;
    const std::string& CurrentPath() const { return m_currentPath; }
    bool IsTimerRunning(int id) const { return m_timers.contains(id); }

    static void SleepOnWindowThread(std::chrono::milliseconds duration);

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // Seek targets are never negative, so this can stand for "no seek waiting".
    static constexpr std::int64_t kNoSeek = -1;
    static constexpr int kPositionSliderRange = 1000;

    static void OnPrimaryEvent(const CPlayerEvent& event, void* self);
    static void OnPartnerEvent(const CPlayerEvent& event, void* self);

    void BindPlayer(IMediaPlayer& player, IVideoSurface& surface, PlayerEventCallback callback);
    void OnPlayState(std::uint64_t state);
    void OnTimeChanged(std::int64_t ms);
    void OnEndReached();
    void RewindAndHold();
    void ClearPendingSeek();
    void ShowTelemetryAt(std::int64_t ms);
    void ApplyPendingSeek();
    std::optional<std::int64_t> SeekTargetOfSlider() const;

    void ResetRate();
    void StepRate(int step);
    void ApplyRate();
    void ApplyRateMarquee();
    void RepeatRateMarquee();

    void StartTimer(int id, std::chrono::milliseconds period);
    void StopTimer(int id);

    IMediaPlayer& m_primary;
    IMediaPlayer& m_partner;
    IPlaybackLibrary& m_library;
    CPlaybackViews m_views;
    SettleWait m_settle;

    int m_rateIndex;
    bool m_autoNext = true;
    int m_marqueeTicks = 0;
    int m_deferredStartIndex = -1;
    int m_deferredStartTicks = 0;
    std::string m_currentPath;
    std::map<int, int> m_timers;  // our timer ID -> Qt's

    // Shared with the players' event threads.
    std::atomic<std::int64_t> m_pendingSeekMs;
    std::atomic<bool> m_busyOpening = false;
};
