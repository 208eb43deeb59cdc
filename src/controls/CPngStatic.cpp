#include "controls/CPngStatic.h"

#include "controls/ColorMatrix.h"

#include <QPainter>

CPngStatic::CPngStatic(QWidget* parent) : QWidget(parent) {}

bool CPngStatic::SetPng(unsigned id)
{
    const bool loaded = m_image.Load(id);
    m_grey = loaded ? ApplyColorMatrix(m_image.Image(), kGreyscaleMatrix) : QImage();
    update();
    return loaded;
}

void CPngStatic::SetColoured(bool coloured)
{
    if (m_coloured == coloured)
        return;
    m_coloured = coloured;
    update();
}

void CPngStatic::paintEvent(QPaintEvent*)
{
    if (m_image.IsEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_coloured ? m_image.Image() : m_grey);
}
