#include "playback/CWindowMessageEvent.h"

#include <QCoreApplication>

CWindowMessageEvent::CWindowMessageEvent(int message, std::uint64_t wParam, std::int64_t lParam)
    : QEvent(EventType()), m_message(message), m_wParam(wParam), m_lParam(lParam)
{
}

QEvent::Type CWindowMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostWindowMessage(QObject* receiver, int message, std::uint64_t wParam, std::int64_t lParam)
{
    QCoreApplication::postEvent(receiver, new CWindowMessageEvent(message, wParam, lParam));
}
