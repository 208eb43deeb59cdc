#pragma once

#include "library/CInstrumentPanel.h"
#include "playback/PlaybackViews.h"

class CGSensorCtrl;
class CPngCompassStatic;
class CPngStatic;
class CSpeedLabelStatic;
class CStatusBoardStatic;
class CVideoStatic;
class CVideoStaticBg;

// A video surface with the hidden flag its panel keeps: playback shows and
// hides it through the flag, so that a surface hidden by STOP stays hidden
// when full screen ends.
class CVideoSurfaceView final : public IVideoSurface {
public:
    CVideoSurfaceView(CVideoStatic& surface, CVideoStaticBg& panel) : m_surface(surface), m_panel(panel) {}

    QWidget* Window() override;
    void Show() override;
    void Hide() override;

    // Shows or hides the window alone, leaving the flag as it is.
    void SetWindowVisible(bool visible);
    void HideWindow() { SetWindowVisible(false); }
    // Shows the window exactly when its flag says it is not hidden.
    void ApplyHiddenFlag();

private:
    CVideoStatic& m_surface;
    CVideoStaticBg& m_panel;
};

class CGpsIndicatorView final : public IGpsIndicator {
public:
    explicit CGpsIndicatorView(CPngStatic& indicator) : m_indicator(indicator) {}
    void SetFix(bool fix) override;

private:
    CPngStatic& m_indicator;
};

class CGSensorCursorView final : public IGSensorCursor {
public:
    explicit CGSensorCursorView(CGSensorCtrl& curves) : m_curves(curves) {}
    void SetPosition(std::int64_t ms) override;
    void SetStopped(bool stopped) override;

private:
    CGSensorCtrl& m_curves;
};

// The compass, the speed read-out and the progress board as the library drives them.
class CInstrumentPanelView final : public CInstrumentPanel {
public:
    CInstrumentPanelView(CPngCompassStatic& compass, CSpeedLabelStatic& speed, CStatusBoardStatic& progress)
        : m_compass(compass), m_speed(speed), m_progress(progress)
    {
    }
    void SetHeading(int degrees) override;
    void SetImageIndex(int index) override;
    void SetSpeed(bool valid, unsigned kmh) override;
    void ShowProgressBoard(bool shown) override;
    void SetProgress(int percent) override;

private:
    CPngCompassStatic& m_compass;
    CSpeedLabelStatic& m_speed;
    CStatusBoardStatic& m_progress;
};

// The main window's parts as playback and the library see them.
struct CWindowViews {
    CVideoSurfaceView primarySurface;
    CVideoSurfaceView partnerSurface;
    CGpsIndicatorView gpsIndicator;
    CGSensorCursorView gsensorCursor;
    CInstrumentPanelView instruments;
};
