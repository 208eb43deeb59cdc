#include "library/TrackFileName.h"

#include "library/TimeText.h"

std::string TrackFileName(const RecordingFile& file, const std::string& extension)
{
    const std::string stem = file.name.size() >= 4 ? file.name.substr(0, file.name.size() - 4) : std::string();
    return stem + LocalTimeText(file.info.startTime, "_%Y_%m_%d_%H-%M-%S") + extension;
}
