#pragma once

#include <QEvent>

#include <cstdint>

class QObject;

// One window message as a Qt event: the message number with its two
// parameters. Posting it is the only way another thread may reach a window.
class CWindowMessageEvent : public QEvent {
public:
    CWindowMessageEvent(int message, std::uint64_t wParam, std::int64_t lParam = 0);

    static QEvent::Type EventType();

    int Message() const { return m_message; }
    std::uint64_t WParam() const { return m_wParam; }
    std::int64_t LParam() const { return m_lParam; }

private:
    int m_message;
    std::uint64_t m_wParam;
    std::int64_t m_lParam;
};

// Queues the message for `receiver`'s thread; safe from any thread and never waits for it.
void PostWindowMessage(QObject* receiver, int message, std::uint64_t wParam, std::int64_t lParam = 0);
