#include "app/CMediaPlayerPair.h"
#include "app/CModalWindowDialogs.h"
#include "app/CZELApp.h"
#include "app/CZELDlg.h"
#include "settings/CIniSettings.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// Cold start of the player, from the process's start to the main window
// shown with its map page loaded. Run by hand under Xvfb, several times:
//   QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
//     xvfb-run -a -s "-screen 0 1280x800x24" build/tavrel_start_bench

namespace {

// Milliseconds since the process started, from the kernel's record of it.
double SinceProcessStart()
{
    std::ifstream statFile("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // Field 22 (start time in clock ticks since boot) counted after the command name.
    std::size_t position = stat.rfind(')') + 2;
    for (int field = 3; field < 22; ++field)
        position = stat.find(' ', position) + 1;
    const double startTicks = std::stod(stat.substr(position));
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return (uptime - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}

} // namespace

int main(int argc, char** argv)
{
    CZELApp::PrepareProcess();
    QApplication application(argc, argv);
    CIniSettings& settings = CIniSettings::Instance();
    CZELDlg window(std::make_unique<CMediaPlayerPair>(), [&settings](QWidget& owner) {
        return std::make_unique<CModalWindowDialogs>(owner, settings);
    }, settings);
    window.show();
    QObject::connect(window.MapView(), &QWebEngineView::loadFinished, [&](bool loaded) {
        std::printf("window shown, map page %s: %.0f ms after process start\n", loaded ? "loaded" : "failed",
                    SinceProcessStart());
        QTimer::singleShot(0, &application, &QApplication::quit);
    });
    return application.exec();
}
