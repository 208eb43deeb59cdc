#pragma once

#include "controls/CVideoPanel.h"

// The panel behind a video surface. It paints nothing, so the window's
// background shows, and carries for the window whether the surface in front
// of it is hidden, which leaving full screen restores.
class CVideoStaticBg : public CVideoPanel {
    Q_OBJECT

public:
    explicit CVideoStaticBg(QWidget* parent = nullptr);

    void SetSurfaceHidden(bool hidden) { m_surfaceHidden = hidden; }
    bool IsSurfaceHidden() const { return m_surfaceHidden; }

private:
    bool m_surfaceHidden = true;
};
