#include "app/CZELDlg.h"

#include "app/ControlIds.h"
#include "app/WindowSizes.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include <utility>

// The window has no frame: it is moved by its background, sized by the grip
// in its bottom right corner, and its panels are sized by three splitters.

namespace {

constexpr int kGripSize = 20;

} // namespace

CZELDlg::Drag CZELDlg::DragAt(QPoint point) const
{
    const QRect grip(width() - kGripSize, height() - kGripSize, kGripSize, kGripSize);
    if (grip.contains(point))
        return Drag::Grip;
    if (m_mapSplitter.contains(point))
        return Drag::MapSplitter;
    if (m_lastLayout.groupSplitter.contains(point))
        return Drag::GroupSplitter;
    if (m_lastLayout.panelSplitter.contains(point))
        return Drag::PanelSplitter;
    return Drag::None;
}

void CZELDlg::UpdateCursor(QPoint point)
{
    switch (DragAt(point)) {
    case Drag::Grip:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case Drag::MapSplitter:
    case Drag::GroupSplitter:
        setCursor(Qt::SizeVerCursor);
        break;
    case Drag::PanelSplitter:
        setCursor(Qt::SizeHorCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

void CZELDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    m_drag = DragAt(point);
    // Only the bare background moves the window: a press on the grip or a
    // splitter sizes instead, and a maximised or full-screen window stays put.
    if (m_drag != Drag::None || m_maximised || m_fullScreen)
        return;
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    // Without a window manager that moves windows, the window follows the
    // pointer itself.
    m_drag = Drag::Caption;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void CZELDlg::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    switch (m_drag) {
    case Drag::None:
        UpdateCursor(point);
        break;
    case Drag::Caption:
        move(event->globalPosition().toPoint() - m_dragOffset);
        break;
    case Drag::Grip:
        if (!m_maximised && !m_fullScreen) {
            setCursor(Qt::SizeFDiagCursor);
            resize(GripWindowSize(point));
            m_maximised = false;
        }
        break;
    case Drag::MapSplitter:
        setCursor(Qt::SizeVerCursor);
        m_layout.mapHeight = point.y() - 48;
        LayoutChildren(width(), height());
        break;
    case Drag::GroupSplitter:
        setCursor(Qt::SizeVerCursor);
        m_layout.groupListHeight = height() - point.y() - 74;
        LayoutChildren(width(), height());
        Child(IDC_GSENSOR)->update();
        break;
    case Drag::PanelSplitter:
        setCursor(Qt::SizeHorCursor);
        m_layout.rightPanelWidth = width() - point.x() - 10;
        LayoutChildren(width(), height());
        Child(IDC_GSENSOR)->update();
        break;
    }
}

void CZELDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None) {
        QDialog::mouseReleaseEvent(event);
        return;
    }
    EndDrag(event->position().toPoint());
}

void CZELDlg::EndDrag(QPoint point)
{
    const Drag drag = std::exchange(m_drag, Drag::None);
    if (drag == Drag::Grip && !m_maximised && !m_fullScreen)
        resize(GripWindowSize(point));
    else if (drag != Drag::Caption && drag != Drag::Grip)
        LayoutChildren(width(), height());
    UpdateCursor(point);
}

void CZELDlg::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mouseDoubleClickEvent(event);
        return;
    }
    // The speed read-out lets clicks through; a double click on it switches its unit.
    QWidget* speed = Child(IDC_SPEED);
    const QPoint point = event->position().toPoint();
    if (speed->isVisible() && speed->geometry().contains(point)) {
        QMouseEvent forwarded(QEvent::MouseButtonDblClick, speed->mapFrom(this, point), event->globalPosition(),
                              Qt::LeftButton, Qt::LeftButton, event->modifiers());
        QApplication::sendEvent(speed, &forwarded);
        return;
    }
    OnToggleMaximise();
}
