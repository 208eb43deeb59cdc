// Timings of the map view in the real web engine, run by hand under Xvfb:
//  - a one-hour route (36,000 path_plot calls, as a recording's telemetry
//    sends them) from the first call until the page's polyline holds every
//    point, on both pages;
//  - the window thread's cost of one MovePosition during playback (10 calls
//    a second while the driven route grows), beside that of a call the page
//    does nothing with.
#include "map/CHtmlMapDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRoutePoints = 36000;
constexpr int kRouteRuns = 5;
constexpr int kMoves = 100;

QVariant Evaluate(QWebEnginePage* page, const QString& script)
{
    auto answer = std::make_shared<std::pair<bool, QVariant>>();
    page->runJavaScript(script, [answer](const QVariant& value) { *answer = {true, value}; });
    if (!QTest::qWaitFor([&] { return answer->first; }, 30000))
        return {};
    return answer->second;
}

double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A drive through Shanghai, about 10 m per point, as "path_plot(lat,lon)".
std::vector<std::string> RouteCalls()
{
    std::vector<std::string> calls;
    calls.reserve(kRoutePoints);
    char text[64];
    for (int i = 0; i < kRoutePoints; ++i) {
        std::snprintf(text, sizeof text, "path_plot(%f,%f)", 31.10 + i * 0.00009, 121.40 + (i % 600) * 0.0001);
        calls.emplace_back(text);
    }
    return calls;
}

double RouteMs(CHtmlMapDlg& map, const std::vector<std::string>& calls)
{
    map.RunScript("path_delete()");
    while (Evaluate(map.page(), "plannedRoute.line.getLatLngs().length").toInt() != 0) {
    }

    QElapsedTimer clock;
    clock.start();
    for (const std::string& call : calls)
        map.RunScript(call);
    while (Evaluate(map.page(), "plannedRoute.line.getLatLngs().length").toInt() != kRoutePoints) {
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void BenchRoute(CHtmlMapDlg& map, const char* name)
{
    const std::vector<std::string> calls = RouteCalls();
    std::vector<double> runs;
    for (int i = 0; i < kRouteRuns; ++i)
        runs.push_back(RouteMs(map, calls));
    std::printf("%-10s 36,000-point route: median %.0f ms, best %.0f ms, worst %.0f ms (%d runs)\n", name,
                Median(runs), *std::min_element(runs.begin(), runs.end()),
                *std::max_element(runs.begin(), runs.end()), kRouteRuns);
}

// Window thread cost of `call` at 10 calls a second: wall time of the call
// and of the event loop turn that sends it, and thread CPU time per call
// above an idle window thread.
void BenchTenPerSecond(const char* name, const std::function<void(int)>& call)
{
    const double idleStart = ThreadCpuMs();
    QTest::qWait(kMoves * 100);
    const double idleCpu = ThreadCpuMs() - idleStart;

    std::vector<double> callAndSend;
    const double cpuStart = ThreadCpuMs();
    for (int i = 0; i < kMoves; ++i) {
        QElapsedTimer clock;
        clock.start();
        call(i);
        QCoreApplication::processEvents();
        callAndSend.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QTest::qWait(100);
    }
    const double cpu = ThreadCpuMs() - cpuStart;
    std::printf("%-34s call and send median %.3f ms, worst %.3f ms; window thread CPU %.3f ms per call above idle\n",
                name, Median(callAndSend), *std::max_element(callAndSend.begin(), callAndSend.end()),
                (cpu - idleCpu) / kMoves);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CHtmlMapDlg map;
    map.resize(800, 600);
    map.show();

    for (const int choice : {0, 1}) {
        QSignalSpy loaded(&map, &QWebEngineView::loadFinished);
        map.LoadPage(choice);
        if (!loaded.wait(30000)) {
            std::fprintf(stderr, "map page %d did not load\n", choice);
            return 1;
        }
        BenchRoute(map, choice == 0 ? "world map" : "China map");
    }
    // A call that changes nothing on screen: the bridge alone.
    BenchTenPerSecond("script without effect at 10/s:", [&map](int) { map.RunScript("void 0"); });
    // Town driving, about 1.8 m per call (65 km/h): the marker, the view and the driven
    // route move, so the page draws a new frame after each call.
    BenchTenPerSecond("MovePosition at 10/s:", [&map](int i) {
        map.MovePosition(31.10 + i * 0.0000075, 121.40 + i * 0.0000075);
    });
    return 0;
}
