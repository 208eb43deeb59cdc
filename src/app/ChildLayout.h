#pragma once

#include <QRect>

#include <map>
#include <optional>

// What the main window's layout depends on besides the client size.
struct LayoutParameters {
    int rightPanelWidth = 240;
    int mapHeight = 240;
    int groupListHeight = 120;
    bool mapPanelOn = true;
    bool gsensorPanelOn = true;
    // The curves keep the height they were made with; the layout never changes it.
    int gsensorHeight = 0;
};

// Where every child of the main window goes for one client size, by control
// ID. The map panel is listed under IDC_MAP_PLACEHOLDER. FLIP is never placed.
struct ChildLayout {
    std::map<int, QRect> children;
    // Absent while the map panel is off: the splitter keeps its last place.
    std::optional<QRect> mapSplitter;
    QRect groupSplitter;
    QRect panelSplitter;

    QRect operator[](int id) const { return children.at(id); }
};

// Fixed pixel sizes throughout; the window is never made smaller than
// 800 x 560 by its own sizing, and nothing here checks that it is.
ChildLayout LayoutForClientSize(int width, int height, const LayoutParameters& parameters);

// A rectangle from its edges, right and bottom exclusive.
inline QRect RectFromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}
