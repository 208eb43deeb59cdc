#include "app/CZELDlg.h"

#include "app/CLibraryPlayback.h"
#include "app/ControlIds.h"
#include "browser/CZelFileListCtrl.h"
#include "browser/CZelGroupListCtrl.h"
#include "controls/CGdipButton.h"
#include "controls/CSkinSlider.h"
#include "controls/CVideoStatic.h"
#include "instruments/CGSensorCtrl.h"
#include "instruments/CStatusBoardStatic.h"
#include "library/StringIds.h"
#include "map/CHtmlMapDlg.h"
#include "settings/CIniSettings.h"
#include "settings/dialog/LocalizedText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

const QColor kBackground(5, 5, 5);

enum : unsigned {
    IDS_PLAYER_ERROR = 102,
    IDS_PLAYER_UNUSABLE = 133,
};

constexpr int kProgressBarImage = 189;

} // namespace

CZELDlg::CZELDlg(std::unique_ptr<IPlayerPair> players, const DialogFactory& makeDialogs, CIniSettings& settings)
    : m_players(std::move(players)), m_dialogs(makeDialogs(*this)), m_settings(settings)
{
    // A window of its own with a task-bar entry, drawn entirely by the skin.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    QPalette background = palette();
    background.setColor(QPalette::Window, kBackground);
    setPalette(background);
    setAutoFillBackground(true);
    // The cursor changes over the grip and the splitters without a button held.
    setMouseTracking(true);
    m_mapChoice = m_settings.ReadMapChoice();
    InitDialog();
}

CZELDlg::~CZELDlg()
{
    // The players' threads post to the playback controller: they end first.
    m_players->Destroy();
}

void CZELDlg::InitDialog()
{
    CreateControls();
    setWindowIcon(QIcon(QStringLiteral(":/images/128.png")));
    ReadPanelSettings();

    m_libraryPlayback = std::make_unique<CLibraryPlayback>(m_library);
    m_playback = std::make_unique<CPlaybackController>(
        m_players->Primary(), m_players->Partner(), *m_libraryPlayback,
        CPlaybackViews{*this, *m_buttons.at(IDC_PLAY), m_views->gpsIndicator, m_views->gsensorCursor, m_views->primarySurface,
                       m_views->partnerSurface, *m_positionSlider, *m_volumeSlider});
    // Binds both players, sets their volumes and starts the seek and
    // deferred-start timers, which run for the window's life.
    m_playback->InitPlayback();

    CreateMap();
    LoadSkin();
    setWindowTitle(QStringLiteral("Tavrel"));
    PlaceFromSettings();
    LayoutChildren(width(), height());
    m_progress->SetBarBitmap(kProgressBarImage);
    m_progress->repaint();
    BuildToolTips();
    SetUpLists();
    AttachLibrary();
    m_views->primarySurface.HideWindow();
    m_views->partnerSurface.HideWindow();
}

void CZELDlg::ReadPanelSettings()
{
    m_layout.mapPanelOn = m_settings.ReadInt(CIniSettings::kSectionUi, CIniSettings::kKeyMapEnable, 1) != 0;
    m_layout.gsensorPanelOn = m_settings.ReadInt(CIniSettings::kSectionUi, CIniSettings::kKeyGSensorEnable, 1) != 0;
    if (!m_layout.gsensorPanelOn)
        m_gsensor->hide();
}

void CZELDlg::CreateMap()
{
    auto* map = new CHtmlMapDlg;
    if (!map->PlaceInParent(this)) {
        delete map;
        return;
    }
    // The placeholder is gone; the map takes its place in the layout.
    m_children.erase(IDC_MAP_PLACEHOLDER);
    m_map = map;
    m_map->LoadPage(m_mapChoice);
    if (!m_layout.mapPanelOn) {
        m_map->hide();
        m_map->setEnabled(false);
    }
}

void CZELDlg::PlaceFromSettings()
{
    const QScreen* monitor = QGuiApplication::primaryScreen();
    const QSize screenSize = monitor ? monitor->geometry().size() : QSize(1280, 800);
    const WindowRect rect = m_settings.ReadWindowRect(screenSize.width(), screenSize.height());
    setGeometry(RectFromEdges(rect.left, rect.top, rect.right, rect.bottom));
    raise();
}

void CZELDlg::SetUpLists()
{
    // The column widths are shares of the lists' widths, so they come after the layout.
    m_groupList->SetupColumns();
    m_fileList->SetupColumns();
}

void CZELDlg::AttachLibrary()
{
    LibraryViews views;
    views.groupList = m_groupList;
    views.fileList = m_fileList;
    views.curve = m_gsensor;
    views.map = m_map;
    views.instruments = &m_views->instruments;
    views.scanCounter = static_cast<CVideoStatic*>(Child(IDC_VIDEO1));
    views.fileOperationUi = m_dialogs.get();
    m_library.Attach(views);
    m_fileCommands = std::make_unique<CFileCommands>(m_library, *m_dialogs, [this] {
        m_players->Primary().Stop();
        m_players->Partner().Stop();
        m_views->primarySurface.Hide();
        m_views->partnerSurface.Hide();
    });
}

QWidget* CZELDlg::Child(int id) const
{
    return m_children.at(id);
}

void CZELDlg::ShowPlayerError()
{
    m_dialogs->ShowMessage(windowTitle().toStdString(), LocalizedText(IDS_PLAYER_ERROR, m_settings).toStdString());
}

void CZELDlg::WarnPlayerUnusable()
{
    m_dialogs->ShowMessage(LocalizedText(IDS_WARNING, m_settings).toStdString(),
                           LocalizedText(IDS_PLAYER_UNUSABLE, m_settings).toStdString(),
                           CFileOperationUi::Icon::Exclamation);
}

// --- Closing ----------------------------------------------------------------

void CZELDlg::StopAndSavePlace()
{
    m_players->Primary().Stop();
    const QRect place = geometry();
    m_settings.WriteWindowRect({place.left(), place.top(), place.left() + place.width(), place.top() + place.height()});
}

void CZELDlg::closeEvent(QCloseEvent* event)
{
    StopAndSavePlace();
    event->accept();
    done(QDialog::Rejected);
}

void CZELDlg::reject()
{
    StopAndSavePlace();
}

void CZELDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape would cancel a dialog; this window ignores it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
