#pragma once

#include "playback/CLibVlcModule.h"
#include "playback/IMediaPlayer.h"

#include <string>

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_media_t;
struct libvlc_event_manager_t;
struct libvlc_event_t;

// One player of the video library, drawing into a native child window.
// Without the library every operation does nothing and the time queries
// answer -1.
class CMediaPlayer final : public IMediaPlayer {
public:
    CMediaPlayer() = default;
    ~CMediaPlayer() override;
    CMediaPlayer(const CMediaPlayer&) = delete;
    CMediaPlayer& operator=(const CMediaPlayer&) = delete;

    void Create();
    void Destroy();

    bool IsUsable() const override { return m_usable; }
    bool IsPlaying() const override { return m_playing; }
    bool IsPaused() const { return m_paused; }
    int ArgumentSet() const { return m_argumentSet; }
    float Rate() const { return m_rate; }
    const std::string& MediaPath() const { return m_mediaPath; }

    int Recreate(int argumentSet) override;
    // Makes `surface` a native window and gives it to the library to draw in.
    void BindWindow(QWidget* surface) override;
    void AttachEvents(void* context, PlayerEventCallback callback) override;

    void OpenMedia(const std::string& utf8Path) override;
    void Play() override;
    void Pause() override;
    void Stop() override;

    std::int64_t GetLength() const override;
    std::int64_t GetTime() const;
    // The library's own volume, -1 without the library.
    int GetVolume() const;
    void SetTime(std::int64_t ms) override;
    void SetRate(float rate) override;
    void SetVolume(int volume) override;
    void SetMute(bool mute) override;

    // Writes the picture on show, at its own size: PNG for a ".png" name,
    // JPEG for any other.
    void TakeSnapshot(const std::string& utf8Path);
    int ShowMarquee(const std::string& text, int size, bool enable) override;

private:
    bool CreatePlayer();
    void AttachLibraryEvents();
    void ReleaseMedia();
    void ReleasePlayer();
    void WriteSnapshot(const std::string& utf8Path);
    static void Relay(const libvlc_event_t* event, void* self);

    libvlc_instance_t* m_instance = nullptr;
    libvlc_media_player_t* m_player = nullptr;
    libvlc_media_t* m_media = nullptr;
    libvlc_event_manager_t* m_eventManager = nullptr;
    void* m_eventContext = nullptr;
    PlayerEventCallback m_eventCallback = nullptr;
    CLibVlcModule m_module;
    std::string m_mediaPath;
    bool m_usable = false;
    bool m_playing = false;
    bool m_paused = true;
    int m_argumentSet = 0;
    int m_volume = 200;
    float m_rate = 1.0f;
};
