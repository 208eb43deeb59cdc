#include "app/CZELDlg.h"

#include "app/ControlIds.h"
#include "app/FitVideoRects.h"
#include "app/WindowSizes.h"
#include "controls/DrawGlowText.h"
#include "instruments/CGSensorCtrl.h"
#include "map/CHtmlMapDlg.h"
#include "settings/CIniSettings.h"

#include <QPainter>
#include <QResizeEvent>

// Where the children go, how the window is outlined and painted, and the
// two panel switches.

namespace {

// The pictures stay inside the panels' sunken border.
constexpr int kPanelEdge = 2;
constexpr int kTitleEmSize = 24;
const QColor kGripColour(150, 150, 150);

} // namespace

void CZELDlg::LayoutChildren(int width, int height)
{
    if (m_fullScreen) {
        // Both panels cover the monitor; only the chosen video is shown.
        const QRect monitor(mapFromGlobal(MonitorRect().topLeft()), MonitorRect().size());
        Child(IDC_VIDEO_BG1)->setGeometry(monitor);
        Child(IDC_VIDEO_BG2)->setGeometry(monitor);
        FitVideos();
        return;
    }
    m_layout.gsensorHeight = m_gsensor->height();
    m_lastLayout = LayoutForClientSize(width, height, m_layout);
    if (m_lastLayout.mapSplitter)
        m_mapSplitter = *m_lastLayout.mapSplitter;
    ApplyLayout(m_lastLayout);
    FitVideos();
}

void CZELDlg::FitVideos()
{
    QRect primary = Child(IDC_VIDEO_BG1)->geometry();
    QRect partner = Child(IDC_VIDEO_BG2)->geometry();
    if (!m_fullScreen) {
        primary.adjust(kPanelEdge, kPanelEdge, -kPanelEdge, -kPanelEdge);
        partner.adjust(kPanelEdge, kPanelEdge, -kPanelEdge, -kPanelEdge);
    }
    int pictureWidth = 0;
    int pictureHeight = 0;
    std::optional<QSize> picture;
    if (m_library.CurrentPictureSize(&pictureWidth, &pictureHeight))
        picture = QSize(pictureWidth, pictureHeight);
    const VideoRects fitted = FitVideoRects(primary, partner, picture);

    if (!m_fullScreen || m_fullScreenView == 1)
        Child(IDC_VIDEO1)->setGeometry(fitted.primary);
    if (!m_fullScreen || m_fullScreenView == 2)
        Child(IDC_VIDEO2)->setGeometry(fitted.partner);
}

void CZELDlg::resizeEvent(QResizeEvent* event)
{
    const QSize client = event->size();
    if (client.isEmpty())
        return;
    setMask(WindowRegion(client, m_fullScreen));
    if (client != m_lastLayoutSize) {
        LayoutChildren(client.width(), client.height());
        m_lastLayoutSize = client;
    }
    update();
}

void CZELDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    // The size grip: four diagonal strokes in the bottom right corner.
    painter.setPen(QPen(kGripColour, 1));
    const int w = width();
    const int h = height();
    for (const int d : {25, 20, 15, 10})
        painter.drawLine(w - d, h, w, h - d);

    if (!m_fullScreen)
        DrawGlowText(painter, windowTitle(), GlowStyle::Title, QPoint(), kTitleEmSize);
}

// --- Panel switches ---------------------------------------------------------

void CZELDlg::OnMapSwitch()
{
    if (m_fullScreen)
        return;
    m_layout.mapPanelOn = !m_layout.mapPanelOn;
    LayoutChildren(width(), height());
    if (m_map) {
        m_map->setVisible(m_layout.mapPanelOn);
        m_map->setEnabled(m_layout.mapPanelOn);
    }
    m_settings.WriteInt(CIniSettings::kSectionUi, CIniSettings::kKeyMapEnable, m_layout.mapPanelOn ? 1 : 0);
}

// Not blocked in full screen: the curves then show or hide on their own.
void CZELDlg::OnGSensorSwitch()
{
    m_layout.gsensorPanelOn = !m_layout.gsensorPanelOn;
    m_gsensor->setVisible(m_layout.gsensorPanelOn);
    LayoutChildren(width(), height());
    m_settings.WriteInt(CIniSettings::kSectionUi, CIniSettings::kKeyGSensorEnable, m_layout.gsensorPanelOn ? 1 : 0);
}
