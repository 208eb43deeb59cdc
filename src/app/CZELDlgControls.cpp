#include "app/CZELDlg.h"

#include "controls/NamedControl.h"

#include "app/ControlIds.h"
#include "browser/CZelFileListCtrl.h"
#include "browser/CZelGroupListCtrl.h"
#include "controls/CGdipButton.h"
#include "controls/CKepToolTipCtrl.h"
#include "controls/CMySliderControl.h"
#include "controls/CPngStatic.h"
#include "controls/CVideoSlider.h"
#include "controls/CVideoStatic.h"
#include "controls/CVideoStaticBg.h"
#include "instruments/CGSensorCtrl.h"
#include "instruments/CPngCompassStatic.h"
#include "instruments/CSpeedLabelStatic.h"
#include "instruments/CStatusBoardStatic.h"
#include "map/CHtmlMapDlg.h"
#include "settings/dialog/LocalizedText.h"

#include <array>

// The children of the main window and their skin.

namespace {

// The curves keep this height for the window's life; the layout only moves them.
constexpr int kGSensorHeight = 100;
constexpr int kPositionRange = 1000;
constexpr int kVolumeRange = 100;

struct ButtonSkin {
    int id;
    int standardImage;
    int alternateImage;  // 0: none
    bool toggle;
};

const std::array<ButtonSkin, 22> kButtonSkins = {{
    {IDC_PLAY, 129, 132, true},  {IDC_STOP, 133, 0, false},     {IDC_FAST, 136, 0, false},
    {IDC_SLOW, 137, 0, false},   {IDC_CONF, 138, 0, false},     {IDC_DEL, 142, 0, false},
    {IDC_SAVE, 141, 0, false},   {IDC_SNAP, 140, 0, false},     {IDC_OPEN, 139, 0, false},
    {IDC_LOOP, 143, 176, true},  {IDC_KML, 145, 0, false},      {IDC_MAP, 146, 0, false},
    {IDC_GSR, 147, 0, false},    {IDC_LOCK, 148, 0, false},     {IDC_CLOSE, 151, 0, false},
    {IDC_MAXIMISE, 152, 0, false}, {IDC_MINIMISE, 153, 0, false}, {IDC_ABOUT, 154, 0, false},
    {IDC_SIZE_S, 1045, 0, false}, {IDC_SIZE_M, 187, 0, false},  {IDC_SIZE_L, 188, 0, false},
    {IDC_MUTE, 156, 155, true},
}};

struct ToolTip {
    int id;
    unsigned text;
};

// In the order the tips are registered.
const std::array<ToolTip, 25> kToolTips = {{
    {IDC_ABOUT, 198}, {IDC_CONF, 183},   {IDC_DEL, 182},      {IDC_CLOSE, 195},    {IDC_FAST, 186},
    {IDC_FLIP, 190},  {IDC_GSR, 193},    {IDC_KML, 191},      {IDC_LOCK, 194},     {IDC_LOOP, 189},
    {IDC_MAP, 192},   {IDC_MAXIMISE, 196}, {IDC_MINIMISE, 197}, {IDC_OPEN, 179},   {IDC_PLAY, 134},
    {IDC_SAVE, 181},  {IDC_SLOW, 184},   {IDC_SNAP, 180},     {IDC_STOP, 185},     {IDC_MUTE, 188},
    {IDC_VOLUME, 187}, {IDC_SPEED, 199}, {IDC_SIZE_S, 137},   {IDC_SIZE_M, 138},   {IDC_SIZE_L, 139},
}};
constexpr unsigned kToolTipIcon = 161;

constexpr int kGpsImage = 150;
constexpr int kLogoImage = 157;
constexpr int kFirstCompassImage = 167;
constexpr int kCompassImages = 8;

// The instruments sit in the title row, right of the title; they keep
// these places at every size.
const QRect kGpsPlace(200, 8, 32, 32);
const QRect kCompassPlace(240, 8, 32, 32);
const QRect kSpeedPlace(280, 4, 80, 40);
const QRect kLogoPlace(8, 4, 40, 40);

template <typename Widget, typename... Arguments>
Widget* Make(std::map<int, QWidget*>& children, int id, Arguments&&... arguments)
{
    auto* widget = Named(new Widget(std::forward<Arguments>(arguments)...), id);
    children[id] = widget;
    return widget;
}

} // namespace

void CZELDlg::CreateControls()
{
    // Created bottom to top: each video surface over its panel, the
    // progress board over the first surface, the map over its placeholder.
    auto* panel1 = Make<CVideoStaticBg>(m_children, IDC_VIDEO_BG1, this);
    auto* panel2 = Make<CVideoStaticBg>(m_children, IDC_VIDEO_BG2, this);
    auto* surface1 = Make<CVideoStatic>(m_children, IDC_VIDEO1, this);
    auto* surface2 = Make<CVideoStatic>(m_children, IDC_VIDEO2, this);
    m_progress = Make<CStatusBoardStatic>(m_children, IDC_PROGRESS, this);
    m_progress->hide();

    m_gsensor = Make<CGSensorCtrl>(m_children, IDC_GSENSOR, this);
    m_gsensor->resize(m_gsensor->width(), kGSensorHeight);
    Make<QWidget>(m_children, IDC_MAP_PLACEHOLDER, this);

    m_positionSlider = Make<CVideoSlider>(m_children, IDC_POSITION, this);
    m_positionSlider->setRange(0, kPositionRange);
    m_volumeSlider = Make<CMySliderControl>(m_children, IDC_VOLUME, this);
    m_volumeSlider->setRange(0, kVolumeRange);
    m_volumeSlider->setValue(kVolumeRange);
    connect(m_positionSlider, &CSkinSlider::Scrolled, this, [this] { m_playback->OnPositionScroll(); });
    connect(m_volumeSlider, &CSkinSlider::Scrolled, this, [this] { m_playback->OnVolumeChanged(); });

    auto* gps = Make<CPngStatic>(m_children, IDC_GPS, this);
    Make<CPngStatic>(m_children, IDC_LOGO, this);
    Make<CPngStatic>(m_children, IDC_BANNER, this);
    auto* compass = Make<CPngCompassStatic>(m_children, IDC_COMPASS, this);
    auto* speed = Make<CSpeedLabelStatic>(m_children, IDC_SPEED, this);

    m_groupList = Make<CZelGroupListCtrl>(m_children, IDC_GROUP_LIST, this, this, m_settings);
    m_fileList = Make<CZelFileListCtrl>(m_children, IDC_FILE_LIST, this, this, m_settings);

    for (const ButtonSkin& skin : kButtonSkins) {
        auto* button = Make<CGdipButton>(m_children, skin.id, this);
        m_buttons[skin.id] = button;
        connect(button, &QAbstractButton::clicked, this, [this, id = skin.id] { OnCommand(id); });
    }
    m_buttons[IDC_FLIP] = Make<CGdipButton>(m_children, IDC_FLIP, this);

    m_toolTips = new CKepToolTipCtrl(this);
    m_views = std::unique_ptr<CWindowViews>(new CWindowViews{
        {*surface1, *panel1}, {*surface2, *panel2}, CGpsIndicatorView(*gps), CGSensorCursorView(*m_gsensor),
        CInstrumentPanelView(*compass, *speed, *m_progress)});
}

void CZELDlg::LoadSkin()
{
    for (const ButtonSkin& skin : kButtonSkins) {
        CGdipButton* button = m_buttons.at(skin.id);
        button->LoadStdImage(static_cast<unsigned>(skin.standardImage));
        if (skin.alternateImage)
            button->LoadAltImage(static_cast<unsigned>(skin.alternateImage));
        button->SetToggle(skin.toggle);
    }
    // Turning the picture needs a video output the library does not offer
    // here; the button stays out of sight.
    m_buttons.at(IDC_FLIP)->setEnabled(false);
    m_buttons.at(IDC_FLIP)->hide();

    auto* gps = static_cast<CPngStatic*>(Child(IDC_GPS));
    gps->SetPng(kGpsImage);
    gps->SetColoured(false);
    gps->setGeometry(kGpsPlace);
    auto* logo = static_cast<CPngStatic*>(Child(IDC_LOGO));
    logo->SetPng(kLogoImage);
    logo->SetColoured(true);
    logo->setGeometry(kLogoPlace);
    logo->hide();
    Child(IDC_BANNER)->setEnabled(false);
    Child(IDC_BANNER)->hide();

    auto* compass = static_cast<CPngCompassStatic*>(Child(IDC_COMPASS));
    compass->setGeometry(kCompassPlace);
    for (int image = 0; image < kCompassImages; ++image)
        compass->AddImage(kFirstCompassImage + image);
    compass->SetImageIndex(0);
    auto* speed = static_cast<CSpeedLabelStatic*>(Child(IDC_SPEED));
    speed->setGeometry(kSpeedPlace);
    speed->SetSpeed(true, 0);

    Child(IDC_VIDEO_BG1)->show();
    Child(IDC_VIDEO_BG2)->show();
}

void CZELDlg::BuildToolTips()
{
    m_toolTips->RemoveAllTools();
    m_toolTips->ClearToolInfo();
    for (const ToolTip& tip : kToolTips)
        m_toolTips->AddTool(Child(tip.id), LocalizedText(tip.text, m_settings), tip.id);
    for (const ToolTip& tip : kToolTips)
        m_toolTips->AddToolInfo(tip.id, 0, kToolTipIcon);
}

void CZELDlg::ApplyLayout(const ChildLayout& layout)
{
    for (const auto& [id, rect] : layout.children) {
        if (id != IDC_MAP_PLACEHOLDER)
            Child(id)->setGeometry(rect);
        else if (m_map)
            m_map->setGeometry(rect);
    }
}
