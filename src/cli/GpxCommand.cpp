#include "cli/Commands.h"

#include "cli/TrackExport.h"
#include "library/CRecordingLibrary.h"
#include "library/GpxDocument.h"
#include "library/TrackFileName.h"

#include <cstdio>

int GpxCommand(const Arguments& args)
{
    const auto request = ParseTrackExportArguments(args, "tavrel-cli gpx FILE [-o OUT]");
    if (!request)
        return kExitUsage;
    CRecordingLibrary library;
    if (const int status = OpenRecording(library, request->file); status != kExitOk)
        return status;
    const RecordingFile& file = library.Files()[0];
    const std::string document = GpxDocument(file, library.GpsData());
    if (request->out.empty()) {
        std::fputs(document.c_str(), stdout);
        return kExitOk;
    }
    return WriteTrack(request->out, TrackFileName(file, ".GPX"), document);
}
