#include "library/CRecordingLibrary.h"

#include "library/KmlDocument.h"
#include "library/PathText.h"
#include "library/ReplaceFile.h"
#include "library/TrackFileName.h"

#include <algorithm>

int CRecordingLibrary::ExportKml(const std::string& exportFolder, std::string& kmlPath)
{
    kmlPath.clear();
    if (files.empty() || currentFile < 0)
        return 0;
    currentFile = std::min(currentFile, static_cast<int>(files.size()) - 1);
    const RecordingFile& file = files[static_cast<std::size_t>(currentFile)];
    const std::string name = TrackFileName(file, ".KML");
    // Without its folder the file would land in whatever directory is current.
    if (exportFolder.empty()) {
        kmlPath = name;
        return 0;
    }
    kmlPath = JoinPath(exportFolder, name);
    // The track is the one OpenTelemetry loaded, which the window does for
    // every file it makes current.
    return WriteFileReplacing(kmlPath, KmlDocument(file, gpsData)) ? 1 : 0;
}
