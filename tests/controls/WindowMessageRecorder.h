#pragma once

#include "playback/CWindowMessageEvent.h"

#include <QMouseEvent>
#include <QWidget>

#include <vector>

// A stand-in main window: keeps the window messages its controls send it
// and counts the mouse presses that reach it.
class WindowMessageRecorder : public QWidget {
public:
    WindowMessageRecorder()
    {
        setAutoFillBackground(true);
        QPalette dark = palette();
        dark.setColor(QPalette::Window, QColor(5, 5, 5));
        setPalette(dark);
    }

    std::vector<int> messages;
    int mousePresses = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == CWindowMessageEvent::EventType()) {
            messages.push_back(static_cast<CWindowMessageEvent*>(event)->Message());
            return true;
        }
        return QWidget::event(event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        ++mousePresses;
        event->accept();
    }
};
