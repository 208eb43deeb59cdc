#pragma once

#include <string>

class IMediaPlayer;

// The main window's two players: the primary with the chosen recording and
// the partner with the second camera's. Besides what playback asks of them,
// the window needs whether each is paused (full screen keeps that state) and
// the primary's snapshot.
class IPlayerPair {
public:
    virtual ~IPlayerPair() = default;

    virtual IMediaPlayer& Primary() = 0;
    virtual IMediaPlayer& Partner() = 0;
    virtual bool IsPrimaryPaused() const = 0;
    virtual bool IsPartnerPaused() const = 0;
    // Writes the primary's picture on show; the extension picks the format.
    virtual void TakeSnapshot(const std::string& utf8Path) = 0;
    // Ends the players and their event threads; nothing reports afterwards.
    virtual void Destroy() = 0;
};
