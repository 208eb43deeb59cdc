// tavrel-demo-telemetry: gives a recording made by an ordinary encoder the
// GPS and G-sensor tracks a dashboard camera would have written into it.

#include "CameraTelemetry.h"
#include "DemoDrive.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

constexpr int kPerSecond = 10;  // GPS fixes and G-sensor samples alike

void PrintUsage(std::FILE* to)
{
    std::fputs("usage: tavrel-demo-telemetry --start \"YYYY-MM-DD HH:MM:SS\" [--trip N] [--from SECONDS]\n"
               "                             [--seconds N] [--date] FILE\n"
               "Adds the camera's GPS and G-sensor tracks of drive N (1 or 2), from SECONDS into the\n"
               "drive for N seconds (default 60), dated from the given local start time, to the MOV\n"
               "or AVI recording FILE. --date also adds the start time as the camera's date element.\n"
               "Prints the notable moments of the stretch (lost fix, hard braking), one a line.\n",
               to);
}

struct Options {
    std::string start;
    int trip = 1;
    int from = 0;
    int seconds = 60;
    bool date = false;
    std::string path;
};

bool ParseNumber(const char* text, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < 0 || v > 86400)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--date")
            o.date = true;
        else if (a == "--start" && hasValue)
            o.start = argv[++i];
        else if (a == "--trip" && hasValue && ParseNumber(argv[i + 1], o.trip))
            ++i;
        else if (a == "--from" && hasValue && ParseNumber(argv[i + 1], o.from))
            ++i;
        else if (a == "--seconds" && hasValue && ParseNumber(argv[i + 1], o.seconds))
            ++i;
        else if (o.path.empty() && !a.starts_with("--"))
            o.path = a;
        else
            return false;
    }
    return !o.start.empty() && !o.path.empty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return 0;
    }
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        PrintUsage(stderr);
        return 2;
    }
    try {
        const demo::WallClock start = demo::ParseWallClock(o.start);
        demo::TelemetryWindow window =
            demo::SampleTrip(demo::TripNumber(o.trip), o.from, o.seconds, start, kPerSecond, kPerSecond);
        CameraTelemetry telemetry;
        telemetry.gpsPerSecond = kPerSecond;
        telemetry.gps = std::move(window.gps);
        telemetry.gsensorPerSecond = kPerSecond;
        telemetry.gsensor = std::move(window.gsensor);
        if (o.date)
            telemetry.dateText = demo::FormatWallClock(start);
        AddCameraTelemetry(o.path, telemetry);
        for (const std::string& event : window.events)
            std::printf("%s\n", event.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavrel-demo-telemetry: %s: %s\n", o.path.c_str(), e.what());
        return 1;
    }
    return 0;
}
