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

    // The window's texts come from the string tables; the command line only
    // takes an optional memory card, folder or recording to open at once.
    QCommandLineParser arguments;
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("PATH"), QString(), QStringLiteral("[PATH]"));
    arguments.process(application);

    const QStringList paths = arguments.positionalArguments();
    const QString startPath = paths.isEmpty() ? QString() : paths.front();
    if (!startPath.isEmpty() && !CZELApp::StartSource(startPath))
        std::fprintf(stderr, "tavrel: %s is neither a folder nor a file; starting without it\n", qPrintable(startPath));
    return CZELApp::RunMainWindow(startPath);
}
