// Timings of two-camera playback with the real video library, run by hand
// under Xvfb:
//  - from StartFile to the first time report on the window thread, for a
//    1080p H.264 recording alone and with its rear-camera partner (median of
//    several starts);
//  - the window thread's CPU time per time report while playing: in the
//    report's own handling, and all the thread did divided by the reports.
#include "playback/PlaybackFakes.h"

#include "playback/CMediaPlayer.h"
#include "playback/CWindowMessageEvent.h"
#include "playback/WindowMessages.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kStarts = 7;
constexpr int kPlayingMs = 5'000;

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Adds up the window thread's CPU time spent handling time reports.
class TimingApplication : public QApplication {
public:
    using QApplication::QApplication;

    int reports = 0;
    double reportCpuMs = 0;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (event->type() != CWindowMessageEvent::EventType() ||
            static_cast<CWindowMessageEvent*>(event)->Message() != UM_TIME_CHANGED)
            return QApplication::notify(receiver, event);
        const double before = ThreadCpuMs();
        const bool handled = QApplication::notify(receiver, event);
        reportCpuMs += ThreadCpuMs() - before;
        ++reports;
        return handled;
    }
};

bool MakeRecording(const std::string& path, const char* pattern)
{
    const QStringList arguments = {
        "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
        QString("%1=size=1920x1080:rate=30:duration=12").arg(pattern), "-f", "lavfi", "-i",
        "sine=frequency=440:duration=12", "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-c:a",
        "aac", "-shortest", "-f", "mov", QString::fromStdString(path)};
    return QProcess::execute("ffmpeg", arguments) == 0;
}

struct BenchRig {
    QWidget window;
    QWidget* primaryWidget = new QWidget(&window);
    QWidget* partnerWidget = new QWidget(&window);
    Journal journal;
    FakeLibrary library{journal};
    FakeWindow fakeWindow{journal};
    FakeButton playButton;
    FakeGpsIndicator gpsIndicator;
    FakeCursor cursor;
    FakeSurface primarySurface{"primarySurface", journal, primaryWidget};
    FakeSurface partnerSurface{"partnerSurface", journal, partnerWidget};
    FakeSlider positionSlider;
    FakeSlider volumeSlider;
    CMediaPlayer primary;
    CMediaPlayer partner;
    CPlaybackController controller{
        primary, partner, library,
        CPlaybackViews{fakeWindow, playButton, gpsIndicator, cursor, primarySurface, partnerSurface, positionSlider,
                       volumeSlider}};

    BenchRig()
    {
        window.resize(1280, 360);
        primaryWidget->setGeometry(0, 0, 640, 360);
        partnerWidget->setGeometry(640, 0, 640, 360);
        window.show();
        primary.Create();
        partner.Create();
        controller.InitPlayback();
    }
    ~BenchRig()
    {
        primary.Destroy();
        partner.Destroy();
    }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// StartFile to the first time report handled on the window thread, in ms.
std::vector<double> TimeStarts(BenchRig& rig)
{
    std::vector<double> starts;
    for (int run = 0; run < kStarts; ++run) {
        rig.controller.OnStop();
        QTest::qWait(300);
        rig.library.telemetry.clear();
        QElapsedTimer clock;
        clock.start();
        rig.controller.StartFile(0, StartVariant::Open);
        if (!QTest::qWaitFor([&] { return !rig.library.telemetry.empty(); }, 10'000))
            return {};
        starts.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return starts;
}

void PrintStarts(const char* what, const std::vector<double>& starts)
{
    if (starts.empty()) {
        std::printf("%s: no time report arrived\n", what);
        return;
    }
    std::printf("%s: median %.0f ms (min %.0f, max %.0f, %zu starts)\n", what, Median(starts),
                *std::min_element(starts.begin(), starts.end()), *std::max_element(starts.begin(), starts.end()),
                starts.size());
}

} // namespace

int main(int argc, char** argv)
{
    TimingApplication app(argc, argv);
    fixtures::TempFolder card;
    const std::string front = card / "0001F.MOV";
    const std::string rear = card / "0001R.MOV";
    if (!MakeRecording(front, "testsrc") || !MakeRecording(rear, "smptebars")) {
        std::printf("ffmpeg could not make the 1080p recordings\n");
        return 1;
    }

    BenchRig rig;
    if (!rig.primary.IsUsable()) {
        std::printf("the video library is not installed\n");
        return 1;
    }
    rig.library.files = {front};
    rig.library.pictureHeight = 1080;

    // The first starts of a process also load the library's plug-ins and
    // set up its video output: not what a user waits for on each file.
    TimeStarts(rig);
    std::filesystem::rename(rear, rear + ".away");
    PrintStarts("StartFile to first time report, front camera alone", TimeStarts(rig));
    std::filesystem::rename(rear + ".away", rear);
    PrintStarts("StartFile to first time report, front and rear camera", TimeStarts(rig));

    // Playing on from the last start, both cameras.
    app.reports = 0;
    app.reportCpuMs = 0;
    const double threadBefore = ThreadCpuMs();
    QTimer::singleShot(kPlayingMs, &app, &QCoreApplication::quit);
    app.exec();
    const double threadCpuMs = ThreadCpuMs() - threadBefore;
    if (app.reports == 0) {
        std::printf("no time reports while playing\n");
        return 1;
    }
    std::printf("time reports in %d ms of playing: %d\n", kPlayingMs, app.reports);
    std::printf("window-thread CPU per time report: %.3f ms handling it, %.3f ms of all the thread did\n",
                app.reportCpuMs / app.reports, threadCpuMs / app.reports);
    return 0;
}
