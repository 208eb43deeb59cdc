#pragma once

#include "playback/CPlaybackController.h"

#include <QWidget>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Recording stand-ins for everything the playback logic drives. The calls
// that matter for ordering go to one shared journal.
struct Journal {
    std::vector<std::string> entries;

    void Add(std::string entry) { entries.push_back(std::move(entry)); }
    bool Has(const std::string& entry) const { return IndexOf(entry) >= 0; }
    // Position of the first such entry, -1 when absent.
    int IndexOf(const std::string& entry) const
    {
        const auto it = std::find(entries.begin(), entries.end(), entry);
        return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
    }
    void Clear() { entries.clear(); }
};

struct ShownMarquee {
    std::string text;
    int size = 0;
    bool enable = false;
};

// Keeps the same books as the real adapter and, like it, does nothing
// without the video library.
class FakePlayer final : public IMediaPlayer {
public:
    FakePlayer(std::string name, Journal& journal) : m_name(std::move(name)), m_journal(journal) {}

    bool usable = true;
    bool playing = false;
    std::int64_t length = 60'000;
    QWidget* window = nullptr;
    void* context = nullptr;
    PlayerEventCallback callback = nullptr;
    std::string mediaPath;
    std::optional<int> volume;
    std::optional<float> rate;
    std::optional<bool> muted;
    std::vector<std::int64_t> seeks;
    std::vector<ShownMarquee> marquees;

    // What the video library's thread would report.
    void Raise(int type, std::int64_t newTime = 0) const { callback(CPlayerEvent{type, newTime}, context); }

    bool IsUsable() const override { return usable; }
    bool IsPlaying() const override { return playing; }
    int Recreate(int argumentSet) override
    {
        Note("Recreate " + std::to_string(argumentSet));
        if (!usable || mediaPath.empty())
            return 0;
        mediaPath.clear();
        window = nullptr;
        playing = false;
        return 1;
    }
    void BindWindow(QWidget* surface) override
    {
        if (usable)
            window = surface;
    }
    void AttachEvents(void* eventContext, PlayerEventCallback eventCallback) override
    {
        context = eventContext;
        callback = eventCallback;
    }
    void OpenMedia(const std::string& utf8Path) override
    {
        if (!usable)
            return;
        Note("OpenMedia " + utf8Path);
        mediaPath = utf8Path;
    }
    void Play() override { SetPlaying("Play", true); }
    void Pause() override { SetPlaying("Pause", false); }
    void Stop() override { SetPlaying("Stop", false); }
    std::int64_t GetLength() const override { return usable ? length : -1; }
    void SetTime(std::int64_t ms) override
    {
        if (usable)
            seeks.push_back(ms);
    }
    void SetRate(float newRate) override
    {
        if (usable)
            rate = newRate;
    }
    void SetVolume(int newVolume) override
    {
        if (usable)
            volume = newVolume;
    }
    void SetMute(bool mute) override
    {
        if (usable)
            muted = mute;
    }
    int ShowMarquee(const std::string& text, int size, bool enable) override
    {
        if (!usable)
            return 0;
        marquees.push_back({text, size, enable});
        return 1;
    }

private:
    void Note(const std::string& what) { m_journal.Add(m_name + "." + what); }
    void SetPlaying(const char* what, bool nowPlaying)
    {
        if (!usable)
            return;
        Note(what);
        playing = nowPlaying;
    }

    std::string m_name;
    Journal& m_journal;
};

struct TelemetryCall {
    std::int64_t ms;
    bool curveShown;
    bool mapShown;
};

class FakeLibrary final : public IPlaybackLibrary {
public:
    explicit FakeLibrary(Journal& journal) : m_journal(journal) {}

    std::vector<std::string> files;
    std::vector<int> groupFirstFiles;
    int currentFile = -1;
    int pictureHeight = 0;
    bool pictureKnown = true;
    // The stretch of playing time [noFixFrom, noFixUntil) has no GPS fix.
    std::int64_t noFixFrom = 0;
    std::int64_t noFixUntil = 0;
    std::vector<TelemetryCall> telemetry;
    std::vector<std::int64_t> drivenRoutes;

    int FileCount() const override { return static_cast<int>(files.size()); }
    int CurrentFile() const override { return currentFile; }
    int SelectFile(int index) override
    {
        if (index < 0 || index >= FileCount())
            return 0;
        m_journal.Add("library.SelectFile " + std::to_string(index));
        currentFile = index;
        return 1;
    }
    int SelectGroup(int group) override
    {
        if (group < 0 || group >= static_cast<int>(groupFirstFiles.size()))
            return 0;
        m_journal.Add("library.SelectGroup " + std::to_string(group));
        currentFile = groupFirstFiles[static_cast<std::size_t>(group)];
        return 1;
    }
    int OpenTelemetry(int index) override
    {
        m_journal.Add("library.OpenTelemetry " + std::to_string(index));
        return 1;
    }
    std::string FilePath(int index) const override { return files.at(static_cast<std::size_t>(index)); }
    int UpdateTelemetry(std::int64_t ms, bool curveShown, bool mapShown) override
    {
        telemetry.push_back({ms, curveShown, mapShown});
        return ms >= noFixFrom && ms < noFixUntil ? 0 : 1;
    }
    int DrawDrivenRoute(std::int64_t ms) override
    {
        drivenRoutes.push_back(ms);
        return 1;
    }
    int CurrentPictureSize(int& width, int& height) override
    {
        if (!pictureKnown || files.empty())
            return 0;
        width = pictureHeight * 16 / 9;
        height = pictureHeight;
        return 1;
    }

private:
    Journal& m_journal;
};

struct FakeButton final : IAltImageButton {
    std::optional<bool> altShown;
    void SetAltShown(bool shown) override { altShown = shown; }
};

struct FakeGpsIndicator final : IGpsIndicator {
    std::optional<bool> fix;
    void SetFix(bool hasFix) override { fix = hasFix; }
};

struct FakeCursor final : IGSensorCursor {
    std::optional<std::int64_t> position;
    std::optional<bool> stopped;
    void SetPosition(std::int64_t ms) override { position = ms; }
    void SetStopped(bool isStopped) override { stopped = isStopped; }
};

class FakeSurface final : public IVideoSurface {
public:
    FakeSurface(std::string name, Journal& journal, QWidget* nativeWindow)
        : window(nativeWindow), m_name(std::move(name)), m_journal(journal)
    {
    }

    QWidget* window;
    bool shown = false;

    QWidget* Window() override { return window; }
    void Show() override
    {
        m_journal.Add(m_name + ".Show");
        shown = true;
    }
    void Hide() override { shown = false; }

private:
    std::string m_name;
    Journal& m_journal;
};

struct FakeSlider final : ISlider {
    int position = 0;
    int Position() const override { return position; }
    void SetPosition(int newPosition) override { position = newPosition; }
};

class FakeWindow final : public IPlaybackWindow {
public:
    explicit FakeWindow(Journal& journal) : m_journal(journal) {}

    bool gsensorPanelOn = true;
    bool mapPanelOn = false;
    int playerErrors = 0;
    int unusableWarnings = 0;

    bool GSensorPanelOn() const override { return gsensorPanelOn; }
    bool MapPanelOn() const override { return mapPanelOn; }
    void FitVideoSurfaces() override { m_journal.Add("window.FitVideoSurfaces"); }
    void ShowPlayerError() override { ++playerErrors; }
    void WarnPlayerUnusable() override { ++unusableWarnings; }

private:
    Journal& m_journal;
};

// A main window's worth of fakes around one controller. The settle waits
// are recorded instead of slept.
struct PlaybackRig {
    Journal journal;
    FakePlayer primary{"primary", journal};
    FakePlayer partner{"partner", journal};
    FakeLibrary library{journal};
    FakeWindow window{journal};
    FakeButton playButton;
    FakeGpsIndicator gpsIndicator;
    FakeCursor cursor;
    QWidget primaryWindow;
    QWidget partnerWindow;
    FakeSurface primarySurface{"primarySurface", journal, &primaryWindow};
    FakeSurface partnerSurface{"partnerSurface", journal, &partnerWindow};
    FakeSlider positionSlider;
    FakeSlider volumeSlider;
    CPlaybackController controller{
        primary, partner, library,
        CPlaybackViews{window, playButton, gpsIndicator, cursor, primarySurface, partnerSurface, positionSlider,
                       volumeSlider},
        [this](std::chrono::milliseconds wait) { journal.Add("wait " + std::to_string(wait.count())); }};
};
