#include "controls/SendWindowMessage.h"

#include "playback/CWindowMessageEvent.h"

#include <QCoreApplication>
#include <QWidget>

void SendWindowMessage(QWidget& from, int message)
{
    CWindowMessageEvent event(message, 0, 0);
    QCoreApplication::sendEvent(from.window(), &event);
}
