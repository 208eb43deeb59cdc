#pragma once

#include <QWebEnginePage>

// The web page behind the map panel. The panel is part of the main window,
// not a browser: the page never opens a dialog of its own (script alerts,
// confirmations, prompts, file choosers), its console output goes nowhere,
// and it never leaves the program's own map pages (a click on a link or a
// file dropped on the map would otherwise replace the map).
class CSilentMapPage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit CSilentMapPage(QObject* parent = nullptr);

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceID) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};
