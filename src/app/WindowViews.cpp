#include "app/WindowViews.h"

#include "controls/CPngStatic.h"
#include "controls/CVideoStatic.h"
#include "controls/CVideoStaticBg.h"
#include "instruments/CGSensorCtrl.h"
#include "instruments/CPngCompassStatic.h"
#include "instruments/CSpeedLabelStatic.h"
#include "instruments/CStatusBoardStatic.h"

#include <algorithm>

QWidget* CVideoSurfaceView::Window()
{
    return &m_surface;
}

void CVideoSurfaceView::Show()
{
    if (m_panel.IsSurfaceHidden()) {
        m_panel.SetSurfaceHidden(false);
        m_surface.show();
    }
}

void CVideoSurfaceView::Hide()
{
    if (!m_panel.IsSurfaceHidden()) {
        m_panel.SetSurfaceHidden(true);
        m_surface.hide();
    }
}

void CVideoSurfaceView::SetWindowVisible(bool visible)
{
    m_surface.setVisible(visible);
}

void CVideoSurfaceView::ApplyHiddenFlag()
{
    m_surface.setVisible(!m_panel.IsSurfaceHidden());
}

void CGpsIndicatorView::SetFix(bool fix)
{
    m_indicator.SetColoured(fix);
    m_indicator.update();
}

void CGSensorCursorView::SetPosition(std::int64_t ms)
{
    // The curves span one recording, whose times fit in 32 bits.
    m_curves.SetPosition(static_cast<int>(ms));
    m_curves.update();
}

void CGSensorCursorView::SetStopped(bool stopped)
{
    m_curves.SetStopped(stopped);
    m_curves.update();
}

void CInstrumentPanelView::SetHeading(int degrees)
{
    m_compass.SetHeading(degrees);
}

void CInstrumentPanelView::SetImageIndex(int index)
{
    m_compass.SetImageIndex(index);
}

void CInstrumentPanelView::SetSpeed(bool valid, unsigned kmh)
{
    // No car reaches the read-out's limit; a corrupt record is shown at it.
    m_speed.SetSpeed(valid, static_cast<std::uint16_t>(std::min(kmh, 0xFFFFu)));
}

void CInstrumentPanelView::ShowProgressBoard(bool shown)
{
    m_progress.setVisible(shown);
    m_progress.raise();
}

void CInstrumentPanelView::SetProgress(int percent)
{
    m_progress.SetProgress(percent);
}
