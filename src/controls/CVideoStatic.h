#pragma once

#include "controls/CVideoPanel.h"
#include "library/CScanCounter.h"

// A surface a media player draws its video into: a native child window, so
// the player can be given its window id. Without video it shows the dark
// background, and during a folder scan the number of files counted so far
// in large glowing digits.
class CVideoStatic : public CVideoPanel, public CScanCounter {
    Q_OBJECT

public:
    explicit CVideoStatic(QWidget* parent = nullptr);

    // Both repaint at once: the scan blocks the window thread, so a later
    // repaint would only come after the scan.
    void ShowCounter(bool show);
    void SetCounter(int counter);
    void ShowCount(int count) override { SetCounter(count); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_showCounter = false;
    int m_counter = 0;
};
