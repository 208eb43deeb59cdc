#include "cli/Commands.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

namespace {

void PrintUsage(std::FILE* to)
{
    std::fputs("usage: tavrel-cli COMMAND ...\n"
               "  probe FILE...          container facts of each recording, one JSON object a line\n"
               "  track FILE [--json]    the decoded GPS records and G-sensor samples\n"
               "  scan PATH [--json]     the groups and recordings of a folder or file, as the lists show them\n"
               "  kml FILE [-o OUT]      the GPS track as KML (default: the KML folder); prints the path\n"
               "  gpx FILE [-o OUT]      the GPS track as GPX 1.1 (default: standard output)\n",
               to);
}

} // namespace

int main(int argc, char** argv)
{
    const std::map<std::string, std::function<int(const Arguments&)>> commands = {
        {"probe", ProbeCommand},
        {"track", TrackCommand},
        {"scan", ScanCommand},
        {"kml", KmlCommand},
        {"gpx", GpxCommand},
    };
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return kExitOk;
    }
    const auto command = argc >= 2 ? commands.find(argv[1]) : commands.end();
    if (command == commands.end()) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    return command->second(Arguments(argv + 2, argv + argc));
}
