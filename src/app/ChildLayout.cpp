#include "app/ChildLayout.h"

#include "app/ControlIds.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kTop = 48;           // below the title row
constexpr int kBottomMargin = 64;  // the button rows below the lists
constexpr int kMinimumPanel = 20;

// A wanted size limited to what fits, but never below the minimum panel.
int FitWanted(int wanted, int limit)
{
    return wanted > limit ? limit : std::max(wanted, kMinimumPanel);
}

void PlaceTitleRow(ChildLayout& layout, int w)
{
    const std::array<std::pair<int, int>, 4> frameButtons = {
        {{IDC_CLOSE, 32}, {IDC_MAXIMISE, 59}, {IDC_MINIMISE, 86}, {IDC_ABOUT, 113}}};
    for (const auto& [id, fromRight] : frameButtons)
        layout.children[id] = QRect(w - fromRight, 2, 25, 25);
    const std::array<std::pair<int, int>, 3> sizeButtons = {{{IDC_SIZE_L, 159}, {IDC_SIZE_M, 179}, {IDC_SIZE_S, 199}}};
    for (const auto& [id, fromRight] : sizeButtons)
        layout.children[id] = QRect(w - fromRight, 11, 16, 16);
}

void PlaceButtonRows(ChildLayout& layout, int w, int h)
{
    const std::array<int, 5> leftRow = {IDC_OPEN, IDC_SNAP, IDC_SAVE, IDC_DEL, IDC_CONF};
    for (std::size_t i = 0; i < leftRow.size(); ++i)
        layout.children[leftRow[i]] = QRect(8 + 48 * static_cast<int>(i), h - 44, 48, 36);

    // Each transport button starts one pixel after the previous one; PLAY is
    // larger and reaches higher.
    struct Transport {
        int id;
        int size;
    };
    const std::array<Transport, 4> transport = {{{IDC_SLOW, 40}, {IDC_STOP, 40}, {IDC_PLAY, 48}, {IDC_FAST, 40}}};
    int x = 268;
    for (const Transport& button : transport) {
        layout.children[button.id] = QRect(x, h - 8 - button.size, button.size, button.size);
        x += button.size + 1;
    }

    layout.children[IDC_MUTE] = QRect(450, h - 40, 12, 24);
    layout.children[IDC_VOLUME] = QRect(464, h - 36, 80, 20);

    const std::array<int, 5> rightRow = {IDC_LOOP, IDC_KML, IDC_MAP, IDC_GSR, IDC_LOCK};
    for (std::size_t i = 0; i < rightRow.size(); ++i)
        layout.children[rightRow[i]] = QRect(w - 195 + 34 * static_cast<int>(i), h - 40, 32, 32);
}

} // namespace

ChildLayout LayoutForClientSize(int w, int h, const LayoutParameters& p)
{
    ChildLayout layout;
    PlaceTitleRow(layout, w);

    // The right column: map over file list.
    const int panelWidth = FitWanted(p.rightPanelWidth, w - 20);
    const int right = w - 5;
    const int left = right > panelWidth ? right - panelWidth : 0;
    if (p.mapPanelOn) {
        const int mapHeight = FitWanted(p.mapHeight, h - 127);
        layout.children[IDC_MAP_PLACEHOLDER] = QRect(left, kTop, right - left, mapHeight);
        layout.children[IDC_FILE_LIST] = RectFromEdges(left, mapHeight + 53, right, h - kBottomMargin);
        layout.mapSplitter = RectFromEdges(left, kTop, right, h - kBottomMargin);
    } else {
        layout.children[IDC_MAP_PLACEHOLDER] = QRect(left, 0, right - left, 0);
        layout.children[IDC_FILE_LIST] = RectFromEdges(left, kTop, right, h - kBottomMargin);
    }
    layout.panelSplitter = RectFromEdges(left - 5, kTop, left, h - kBottomMargin);

    // The left column: the two videos side by side over the slider, the
    // curves and the group list.
    const int curvesHeight = p.gsensorPanelOn ? p.gsensorHeight : 0;
    const int groupListHeight = FitWanted(p.groupListHeight, h - curvesHeight - 152);
    const int half = left / 2 - 5;
    const int videoBottom = h - 99 - groupListHeight - curvesHeight;
    const int columnRight = 2 * half + 5;
    layout.children[IDC_VIDEO_BG1] = RectFromEdges(5, kTop, half, videoBottom);
    layout.children[IDC_VIDEO_BG2] = RectFromEdges(half, kTop, columnRight, videoBottom);
    layout.children[IDC_POSITION] = QRect(5, videoBottom, 2 * half, 20);
    int groupListTop = videoBottom + 25;
    if (p.gsensorPanelOn) {
        layout.children[IDC_GSENSOR] = RectFromEdges(5, videoBottom + 25, columnRight, videoBottom + 25 + curvesHeight);
        groupListTop = videoBottom + 30 + curvesHeight;
    }
    layout.children[IDC_GROUP_LIST] = RectFromEdges(5, groupListTop, columnRight, h - kBottomMargin);
    layout.groupSplitter = RectFromEdges(5, groupListTop - 5, columnRight, groupListTop);
    // The bottom strip of the first video panel.
    layout.children[IDC_PROGRESS] = QRect(5, videoBottom - 30, half - 5, 30);

    PlaceButtonRows(layout, w, h);
    return layout;
}
