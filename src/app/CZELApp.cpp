#include "app/CZELApp.h"

#include "app/CMediaPlayerPair.h"
#include "app/CModalWindowDialogs.h"
#include "app/CZELDlg.h"
#include "settings/CIniSettings.h"

#include <QCoreApplication>

#include <filesystem>

void CZELApp::PrepareProcess()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The map's web view makes the window draw through OpenGL, and the video
    // surfaces are native child windows: unless every widget window draws
    // that way, they are made as plain surfaces the window cannot draw into.
    if (!qEnvironmentVariableIsSet("QT_WIDGETS_RHI"))
        qputenv("QT_WIDGETS_RHI", "1");
}

int CZELApp::RunMainWindow(const QString& startPath)
{
    CIniSettings& settings = CIniSettings::Instance();
    CZELDlg window(std::make_unique<CMediaPlayerPair>(), [&settings](QWidget& owner) {
        return std::make_unique<CModalWindowDialogs>(owner, settings);
    }, settings);
    window.show();
    if (const auto source = StartSource(startPath))
        window.OpenSource(*source);
    window.exec();
    return 0;
}

std::optional<MediaSource> CZELApp::StartSource(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const std::filesystem::path source = std::filesystem::absolute(path.toStdString());
    std::error_code error;
    if (std::filesystem::is_directory(source, error))
        return MediaSource{MediaSource::Kind::Folder, source.string()};
    if (std::filesystem::is_regular_file(source, error))
        return MediaSource{MediaSource::Kind::File, source.string()};
    return std::nullopt;
}
