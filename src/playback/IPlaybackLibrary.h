#pragma once

#include <cstdint>
#include <string>

// The recording library as playback uses it: which file is current, what
// it is called, and the telemetry that follows the playing time. File
// indexes are rows of the file list, group indexes rows of the group list.
class IPlaybackLibrary {
public:
    virtual ~IPlaybackLibrary() = default;

    virtual int FileCount() const = 0;
    // -1 for none.
    virtual int CurrentFile() const = 0;
    // Make the file (or the group's first file) current and show it
    // highlighted; 1 when done, 0 for an index outside the list.
    virtual int SelectFile(int index) = 0;
    virtual int SelectGroup(int group) = 0;
    // Loads the file's GPS and G-sensor data and draws its route.
    virtual int OpenTelemetry(int index) = 0;
    virtual std::string FilePath(int index) const = 0;
    // Moves curve cursor, compass, speed and map marker to that time; 1 when
    // the time has a GPS record with a usable fix.
    virtual int UpdateTelemetry(std::int64_t ms, bool curveShown, bool mapShown) = 0;
    // Redraws the route driven up to that time, after a jump.
    virtual int DrawDrivenRoute(std::int64_t ms) = 0;
    // The current file's picture size; 0 when there is no current file.
    virtual int CurrentPictureSize(int& width, int& height) = 0;
};
