#include "cli/Commands.h"

#include "cli/TrackExport.h"
#include "library/CRecordingLibrary.h"
#include "library/KmlDocument.h"
#include "library/TrackFileName.h"
#include "settings/CIniSettings.h"

int KmlCommand(const Arguments& args)
{
    const auto request = ParseTrackExportArguments(args, "tavrel-cli kml FILE [-o OUT]");
    if (!request)
        return kExitUsage;
    CRecordingLibrary library;
    if (const int status = OpenRecording(library, request->file); status != kExitOk)
        return status;
    if (request->out.empty()) {
        std::string path;
        const int exported = library.ExportKml(CIniSettings::KmlFolderPath().value_or(""), path);
        return ReportTrackWritten(exported != 0, path);
    }
    const RecordingFile& file = library.Files()[0];
    return WriteTrack(request->out, TrackFileName(file, ".KML"), KmlDocument(file, library.GpsData()));
}
