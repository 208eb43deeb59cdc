#pragma once

#include <cstdint>

// The player events the program listens to, numbered as the video library
// numbers them.
enum PlayerEventType : int {
    PLAYER_MEDIA_STATE_CHANGED = 5,
    PLAYER_MEDIA_CHANGED = 256,
    PLAYER_OPENING = 258,
    PLAYER_BUFFERING = 259,
    PLAYER_PLAYING = 260,
    PLAYER_PAUSED = 261,
    PLAYER_STOPPED = 262,
    PLAYER_END_REACHED = 265,
    PLAYER_ENCOUNTERED_ERROR = 266,
    PLAYER_TIME_CHANGED = 267,
    PLAYER_POSITION_CHANGED = 268,
    PLAYER_SEEKABLE_CHANGED = 269,
};

struct CPlayerEvent {
    int type = 0;
    std::int64_t newTime = 0;  // ms; set for PLAYER_TIME_CHANGED only
};

// Runs on the video library's own thread. It must neither call the library
// (that can deadlock) nor wait for the window thread; it may post.
using PlayerEventCallback = void (*)(const CPlayerEvent& event, void* context);
