#pragma once

#include <cstdint>

class QWidget;

// The parts of the main window that playback drives. Each setter also
// repaints what it changed.

// The PLAY button: its alternate image (pause bars) while playing.
class IAltImageButton {
public:
    virtual ~IAltImageButton() = default;
    virtual void SetAltShown(bool shown) = 0;
};

// The GPS indicator: in colour with a fix, greyed without.
class IGpsIndicator {
public:
    virtual ~IGpsIndicator() = default;
    virtual void SetFix(bool fix) = 0;
};

// The cursor of the G-sensor curves.
class IGSensorCursor {
public:
    virtual ~IGSensorCursor() = default;
    virtual void SetPosition(std::int64_t ms) = 0;
    virtual void SetStopped(bool stopped) = 0;
};

// A native child window a player draws in. Show and Hide respect the
// video background's own hidden flag.
class IVideoSurface {
public:
    virtual ~IVideoSurface() = default;
    // Null while the window does not exist.
    virtual QWidget* Window() = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

// The position slider (0..1000 of the recording) or the volume slider (0..100).
class ISlider {
public:
    virtual ~ISlider() = default;
    virtual int Position() const = 0;
    virtual void SetPosition(int position) = 0;
};

// What only the main window itself can answer or do.
class IPlaybackWindow {
public:
    virtual ~IPlaybackWindow() = default;
    virtual bool GSensorPanelOn() const = 0;
    virtual bool MapPanelOn() const = 0;
    // Places the video surfaces inside their backgrounds by the current file's picture size.
    virtual void FitVideoSurfaces() = 0;
    // "Media player encountered a error."
    virtual void ShowPlayerError() = 0;
    // "Loading video component failed...", once per player without the library.
    virtual void WarnPlayerUnusable() = 0;
};

struct CPlaybackViews {
    IPlaybackWindow& window;
    IAltImageButton& playButton;
    IGpsIndicator& gpsIndicator;
    IGSensorCursor& gsensorCursor;
    IVideoSurface& primarySurface;
    IVideoSurface& partnerSurface;
    ISlider& positionSlider;
    ISlider& volumeSlider;
};
