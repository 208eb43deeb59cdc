#pragma once

#include "library/CMapView.h"
#include "map/CMapScriptQueue.h"

#include <QUrl>
#include <QWebEngineView>

#include <string>

class QWebEngineLoadingInfo;

// The map panel of the main window: one of the two map pages in a web view
// that the program drives only by script calls. It sits where the main
// window's placeholder widget (object name "1004") was.
//
// Right-button presses never reach the page and no context menu opens: the
// panel is a map, not a browser.
class CHtmlMapDlg : public QWebEngineView, public CMapView {
    Q_OBJECT

public:
    static constexpr int kPlaceholderId = 1004;
    static constexpr int kWorldMapPage = 143;
    static constexpr int kChinaMapPage = 145;

    // Creates the view without a parent, showing nothing; PlaceInParent puts
    // it in the main window and LoadPage shows a map.
    CHtmlMapDlg();
    ~CHtmlMapDlg() override;

    // Replaces the main window's placeholder widget, 2 pixels inside its
    // rectangle, on top of its siblings. False, and nothing changes, when the
    // main window has no placeholder.
    bool PlaceInParent(QWidget* mainWindow);

    // Shows page 145 (the China map) for map choice 1 and page 143 (the
    // world map) for anything else. The new page starts empty: whoever owns
    // the routes draws them again.
    void LoadPage(int mapChoice);
    int MapChoice() const { return m_mapChoice; }

    // Calls reach the page in order, together with the others of the same
    // event loop turn; calls made while the page loads wait for it, calls
    // made before any page is asked for are dropped.
    void RunScript(const std::string& script) override;
    void MovePosition(double latitude, double longitude) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    void SetTileUrl(int mapChoice);

    CMapScriptQueue m_scripts;
    QUrl m_pageUrl;
    int m_mapChoice = 0;
};
