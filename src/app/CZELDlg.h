#pragma once

#include "app/ChildLayout.h"
#include "app/IPlayerPair.h"
#include "app/IWindowDialogs.h"
#include "app/WindowViews.h"
#include "library/CFileCommands.h"
#include "library/CRecordingLibrary.h"
#include "map/CHtmlMapDlg.h"
#include "playback/CPlaybackController.h"
#include "playback/PlaybackViews.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>

class CIniSettings;
class CGSensorCtrl;
class CPngCompassStatic;
class CStatusBoardStatic;
class CZelGroupListCtrl;
class CZelFileListCtrl;
class CGdipButton;
class CKepToolTipCtrl;
class CSkinSlider;

// The player's main window: a borderless skinned window with the two
// videos, the instruments, the map and the recording lists. It owns every
// part of the player for its whole life and dispatches the buttons'
// commands and the window messages of the players, controls and dialogs.
class CZELDlg : public QDialog, public IPlaybackWindow {
    Q_OBJECT

public:
    using DialogFactory = std::function<std::unique_ptr<IWindowDialogs>(QWidget& owner)>;

    // Sets the whole window up: settings, players bound, map, skin, saved
    // place, lists, library, playback timers.
    CZELDlg(std::unique_ptr<IPlayerPair> players, const DialogFactory& makeDialogs, CIniSettings& settings);
    ~CZELDlg() override;

    // Opens a source as OPEN does after the media source dialog: a folder
    // starts its first recording half a second after the scan, a disk or a
    // file at once.
    void OpenSource(const MediaSource& source);

    // Cancelling stops and remembers the place, but only closing ends the window.
    void reject() override;

    // A button's command, by its control ID.
    void OnCommand(int id);

    // Places every child for a client size.
    void LayoutChildren(int width, int height);
    // Places the video surfaces in their panels by the current picture's aspect.
    void FitVideos();
    // Hides or shows everything but the full-screen video.
    void ShowControlSet(bool show);

    bool GSensorPanelOn() const override { return m_layout.gsensorPanelOn; }
    bool MapPanelOn() const override { return m_layout.mapPanelOn; }
    bool IsMaximised() const { return m_maximised; }
    bool IsFullScreen() const { return m_fullScreen; }
    // 1 for the first video, 2 for the second, 0 before any full screen.
    int FullScreenView() const { return m_fullScreenView; }
    int MapChoice() const { return m_mapChoice; }
    const LayoutParameters& Layout() const { return m_layout; }
    const ChildLayout& LastLayout() const { return m_lastLayout; }
    QWidget* Child(int id) const;
    CHtmlMapDlg* MapView() const { return m_map; }
    CRecordingLibrary& Library() { return m_library; }
    CPlaybackController& Playback() { return *m_playback; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    enum class Drag { None, Caption, Grip, MapSplitter, GroupSplitter, PanelSplitter };

    // Start-up and shutdown (CZELDlg.cpp)
    void InitDialog();
    void ReadPanelSettings();
    void CreateMap();
    void PlaceFromSettings();
    void SetUpLists();
    void AttachLibrary();
    void StopAndSavePlace();
    void FitVideoSurfaces() override { FitVideos(); }
    void ShowPlayerError() override;
    void WarnPlayerUnusable() override;

    // Children and skin (CZELDlgControls.cpp)
    void CreateControls();
    void AddButton(int id, int standardImage, int alternateImage, bool toggle);
    void LoadSkin();
    void BuildToolTips();
    void ApplyLayout(const ChildLayout& layout);

    // Commands and messages (CZELDlgCommands.cpp, CZELDlgMessages.cpp)
    void OnOpen();
    void OnConfiguration();
    void OnMute();
    void OnMapSwitch();
    void OnGSensorSwitch();
    void OnSnapshot();
    void OnWindowMessage(int message, std::uint64_t wParam, QEvent* event);
    void OnMapTypeChanged();
    void OnLanguageChanged();
    void ShowNoFiles();

    // Window states (CZELDlgWindowStates.cpp)
    void SetWindowRect(QRect rect);
    QRect MonitorRect() const;
    void SetSizeFromMonitor(QRect (*sizeFor)(QRect monitor));
    void OnToggleMaximise();
    void OnMinimise();
    void OnToggleFullScreen();
    void EnterFullScreen();
    void LeaveFullScreen();

    // Mouse (CZELDlgMouse.cpp)
    Drag DragAt(QPoint point) const;
    void UpdateCursor(QPoint point);
    void EndDrag(QPoint point);

    std::unique_ptr<IPlayerPair> m_players;
    std::unique_ptr<IWindowDialogs> m_dialogs;
    CIniSettings& m_settings;

    // Children by control ID; the typed pointers below point into the same set.
    std::map<int, QWidget*> m_children;
    std::map<int, CGdipButton*> m_buttons;
    CGSensorCtrl* m_gsensor = nullptr;
    CPngCompassStatic* m_compass = nullptr;
    CStatusBoardStatic* m_progress = nullptr;
    CZelGroupListCtrl* m_groupList = nullptr;
    CZelFileListCtrl* m_fileList = nullptr;
    CSkinSlider* m_positionSlider = nullptr;
    CSkinSlider* m_volumeSlider = nullptr;
    CKepToolTipCtrl* m_toolTips = nullptr;
    QPointer<CHtmlMapDlg> m_map;

    std::unique_ptr<CWindowViews> m_views;
    CRecordingLibrary m_library;
    std::unique_ptr<IPlaybackLibrary> m_libraryPlayback;
    std::unique_ptr<CPlaybackController> m_playback;
    std::unique_ptr<CFileCommands> m_fileCommands;

    int m_mapChoice = 0;
    LayoutParameters m_layout;
    ChildLayout m_lastLayout;
    QSize m_lastLayoutSize;
    QRect m_mapSplitter;

    Drag m_drag = Drag::None;
    QPoint m_dragOffset;
    bool m_maximised = false;
    bool m_fullScreen = false;
    int m_fullScreenView = 0;
    QRect m_savedRect;
    bool m_restoreShowsVideo = false;
    int m_fullScreenTimer = 0;
};
