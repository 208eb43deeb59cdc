#include "controls/CVideoSlider.h"

#include "playback/WindowMessages.h"

#include <QPainter>
#include <qdrawutil.h>

CVideoSlider::CVideoSlider(QWidget* parent)
    : CSkinSlider(UM_SEEK_REQUEST, QColor(100, 250, 100), QColor(240, 0, 180), parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CVideoSlider::PaintChannel(QPainter& painter)
{
    painter.fillRect(rect(), Qt::black);
    qDrawWinPanel(&painter, rect(), palette(), true);
}
