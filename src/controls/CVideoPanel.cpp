#include "controls/CVideoPanel.h"

#include "controls/SendWindowMessage.h"
#include "playback/WindowMessages.h"

#include <QMouseEvent>

CVideoPanel::CVideoPanel(QWidget* parent) : QWidget(parent) {}

void CVideoPanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void CVideoPanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void CVideoPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        SendWindowMessage(*this, UM_TOGGLE_FULLSCREEN);
}
