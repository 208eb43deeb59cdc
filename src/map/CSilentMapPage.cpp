#include "map/CSilentMapPage.h"

#include <QUrl>

CSilentMapPage::CSilentMapPage(QObject* parent)
    : QWebEnginePage(parent)
{
}

void CSilentMapPage::javaScriptAlert(const QUrl&, const QString&) {}

bool CSilentMapPage::javaScriptConfirm(const QUrl&, const QString&)
{
    return false;
}

bool CSilentMapPage::javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*)
{
    return false;
}

void CSilentMapPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) {}

QStringList CSilentMapPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&)
{
    return {};
}

bool CSilentMapPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool)
{
    return url.scheme() == QLatin1String("qrc");
}
