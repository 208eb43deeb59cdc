#pragma once

#include "playback/PlayerEvent.h"

#include <cstdint>
#include <string>

class QWidget;

// What the playback logic asks of a player. Every operation is harmless on
// a player whose video library could not be loaded.
class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;

    virtual bool IsUsable() const = 0;
    // The player's own record of the last Play/Pause/Stop, not the library's state.
    virtual bool IsPlaying() const = 0;

    // Drops the media and makes a fresh player; 1 when done, 0 when the
    // player never had a media or could not be made again.
    virtual int Recreate(int argumentSet) = 0;
    virtual void BindWindow(QWidget* surface) = 0;
    virtual void AttachEvents(void* context, PlayerEventCallback callback) = 0;

    virtual void OpenMedia(const std::string& utf8Path) = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;

    virtual std::int64_t GetLength() const = 0;  // ms, -1 without the library
    virtual void SetTime(std::int64_t ms) = 0;
    virtual void SetRate(float rate) = 0;
    virtual void SetVolume(int volume) = 0;  // 100 is the media's own level
    virtual void SetMute(bool mute) = 0;

    // A line of text over the picture's top left corner; 1 when shown.
    virtual int ShowMarquee(const std::string& text, int size, bool enable) = 0;
};
