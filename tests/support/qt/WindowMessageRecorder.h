#pragma once

#include "playback/CWindowMessageEvent.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

#include <utility>
#include <vector>

// A stand-in main window: keeps the window messages its controls and dialogs
// send or post it and counts the mouse presses that reach it.
class WindowMessageRecorder : public QWidget {
public:
    WindowMessageRecorder()
    {
        setAutoFillBackground(true);
        QPalette dark = palette();
        dark.setColor(QPalette::Window, QColor(5, 5, 5));
        setPalette(dark);
    }

    std::vector<int> messages;  // message numbers in arrival order
    int mousePresses = 0;

    // Delivers what was posted, then hands over the messages as "C09:1"
    // (message and wParam) and forgets them.
    QStringList Take()
    {
        QCoreApplication::sendPostedEvents(this);
        messages.clear();
        return std::exchange(log, {});
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == CWindowMessageEvent::EventType()) {
            const auto* message = static_cast<CWindowMessageEvent*>(event);
            messages.push_back(message->Message());
            log << QString::number(message->Message(), 16).toUpper() + ':' +
                       QString::number(static_cast<qint64>(message->WParam()));
            return true;
        }
        return QWidget::event(event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        ++mousePresses;
        event->accept();
    }

private:
    QStringList log;
};
