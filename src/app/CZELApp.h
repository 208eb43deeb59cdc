#pragma once

#include "app/IWindowDialogs.h"

#include <QString>

#include <optional>

// The player program: what the process needs before and around its main
// window, which it runs until the window closes.
class CZELApp {
public:
    // Before the application object exists: the map's web engine shares
    // its drawing contexts with the window.
    static void PrepareProcess();

    // Runs the main window on the settings of the current directory until
    // it closes, first opening `startPath` when it names a folder or a file.
    static int RunMainWindow(const QString& startPath);

    // A folder or a recording named on the command line, as the media source
    // dialog would give it; none when the path names neither.
    static std::optional<MediaSource> StartSource(const QString& path);
};
