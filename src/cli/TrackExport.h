#pragma once

#include "cli/Commands.h"

#include <optional>
#include <string>

class CRecordingLibrary;

// What the kml and gpx commands share: FILE [-o OUT], the recording opened on
// its own with its telemetry, and the output written whole.
struct TrackExportRequest {
    std::string file;
    std::string out;  // empty: the command's default place
};

// Parses FILE [-o OUT]; prints `usage` and gives nothing when they do not fit.
std::optional<TrackExportRequest> ParseTrackExportArguments(const Arguments& args, const char* usage);

// Loads FILE as the player opens a chosen file and opens its telemetry.
// kExitOk, or the exit status after a message.
int OpenRecording(CRecordingLibrary& library, const std::string& file);

// Writes `document` as OUT, or into OUT under `usualName` when OUT is a
// folder, and prints the path written.
int WriteTrack(const std::string& out, const std::string& usualName, const std::string& document);

// Prints the path written, or a message when nothing could be written.
int ReportTrackWritten(bool written, const std::string& path);
