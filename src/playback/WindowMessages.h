#pragma once

// Messages with which the players' event thread, the child controls and the
// dialogs report to the main window. The numbers are fixed: they are the
// names' identity wherever a message is posted or dispatched.
enum WindowMessage : int {
    UM_PLAYER_ERROR = 0xC01,
    UM_LANGUAGE_CHANGED = 0xC02,
    UM_RESERVED = 0xC03,
    UM_TOGGLE_FULLSCREEN = 0xC04,
    UM_SHOW_CONTROLS = 0xC05,
    UM_PLAY_STATE = 0xC06,
    UM_TIME_CHANGED = 0xC07,
    UM_END_REACHED = 0xC08,
    UM_PLAY_GROUP = 0xC09,
    UM_PLAY_FILE = 0xC0A,
    UM_MAP_TYPE_CHANGED = 0xC0B,
    UM_VOLUME_CHANGED = 0xC0C,
    UM_SEEK_REQUEST = 0xC0D,
    UM_PARTNER_END_REACHED = 0xC0E,
};
