#include "map/CHtmlMapDlg.h"

#include "map/CSilentMapPage.h"
#include "map/MovePositionScript.h"
#include "settings/CIniFile.h"
#include "settings/CIniSettings.h"

#include <QChildEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMouseEvent>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include <optional>

namespace {

const QString kTileScriptName = QStringLiteral("tavrel-tiles");

bool IsRightButtonEvent(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
    default:
        return false;
    }
}

} // namespace

CHtmlMapDlg::CHtmlMapDlg()
    : m_scripts([this](const QString& script) { page()->runJavaScript(script); })
{
    setPage(new CSilentMapPage(this));
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page(), &QWebEnginePage::loadingChanged, this, &CHtmlMapDlg::OnLoadingChanged);
}

// The page outlives this part of the object (the view base deletes it), and a
// page stopped in the middle of a load still reports.
CHtmlMapDlg::~CHtmlMapDlg()
{
    disconnect(page(), nullptr, this, nullptr);
}

bool CHtmlMapDlg::PlaceInParent(QWidget* mainWindow)
{
    QWidget* placeholder = mainWindow ? mainWindow->findChild<QWidget*>(QString::number(kPlaceholderId)) : nullptr;
    if (!placeholder)
        return false;
    const QRect area(placeholder->mapTo(mainWindow, QPoint(0, 0)), placeholder->size());
    delete placeholder;

    setParent(mainWindow);
    setGeometry(area.adjusted(2, 2, -2, -2));
    raise();
    show();
    return true;
}

void CHtmlMapDlg::LoadPage(int mapChoice)
{
    m_mapChoice = mapChoice;
    const int pageId = mapChoice == 1 ? kChinaMapPage : kWorldMapPage;
    m_pageUrl = QUrl(QStringLiteral("qrc:///map/%1.html").arg(pageId));
    m_scripts.PageRequested();
    SetTileUrl(mapChoice);
    setUrl(m_pageUrl);
}

void CHtmlMapDlg::RunScript(const std::string& script)
{
    m_scripts.Add(script);
}

void CHtmlMapDlg::MovePosition(double latitude, double longitude)
{
    m_scripts.Add(MovePositionScript(latitude, longitude));
}

void CHtmlMapDlg::OnLoadingChanged(const QWebEngineLoadingInfo& info)
{
    // A page asked for earlier and replaced before it finished reports too;
    // only the page asked for last decides.
    if (info.url() != m_pageUrl)
        return;
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
        m_scripts.PageLoaded();
    else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
        m_scripts.PageFailed();
}

// A tile server of the user's own, from [MAP] TILES0 (world map) or TILES1
// (China map) of the settings file, read at each load so that an edited file
// takes effect with the next map switch. It reaches the page as a JSON string
// before any page script runs.
void CHtmlMapDlg::SetTileUrl(int mapChoice)
{
    QWebEngineScriptCollection& scripts = page()->scripts();
    for (const QWebEngineScript& old : scripts.find(kTileScriptName))
        scripts.remove(old);

    const CIniFile ini(CIniSettings::Instance().Path());
    const std::optional<std::string> url = ini.ReadString("MAP", mapChoice == 1 ? "TILES1" : "TILES0");
    if (!url || url->empty())
        return;

    QWebEngineScript script;
    script.setName(kTileScriptName);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    const QByteArray json = QJsonDocument(QJsonArray{QString::fromStdString(*url)}).toJson(QJsonDocument::Compact);
    script.setSourceCode(QStringLiteral("window.tavrelTileUrl = %1[0];").arg(QString::fromUtf8(json)));
    scripts.insert(script);
}

// The page draws through a child widget that the view creates when it first
// shows something, so the filter goes on every child as it arrives.
void CHtmlMapDlg::childEvent(QChildEvent* event)
{
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWebEngineView::childEvent(event);
}

bool CHtmlMapDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (IsRightButtonEvent(event))
        return true;
    return QWebEngineView::eventFilter(watched, event);
}
