#pragma once

#include <string>
#include <vector>

// Exit statuses of the command line tool.
enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

using Arguments = std::vector<std::string>;

int ProbeCommand(const Arguments& args);
int TrackCommand(const Arguments& args);
int ScanCommand(const Arguments& args);
int KmlCommand(const Arguments& args);
int GpxCommand(const Arguments& args);
