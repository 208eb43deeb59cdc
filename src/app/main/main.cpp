#include "app/CZELApp.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv)
{
    CZELApp::PrepareProcess();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QStringLiteral(TAVREL_VERSION));

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Player for dashboard-camera recordings."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("PATH"),
                                    QStringLiteral("A memory card, a folder or a recording to play at once."),
                                    QStringLiteral("[PATH]"));
    arguments.process(application);

    const QStringList paths = arguments.positionalArguments();
    const QString startPath = paths.isEmpty() ? QString() : paths.front();
    if (!startPath.isEmpty() && !CZELApp::StartSource(startPath))
        std::fprintf(stderr, "tavrel: %s is neither a folder nor a file; starting without it\n", qPrintable(startPath));
    return CZELApp::RunMainWindow(startPath);
}
