#pragma once

#include "playback/IPlaybackLibrary.h"

class CRecordingLibrary;

// The recording library as playback sees it.
class CLibraryPlayback final : public IPlaybackLibrary {
public:
    explicit CLibraryPlayback(CRecordingLibrary& library) : m_library(library) {}

    int FileCount() const override;
    int CurrentFile() const override;
    int SelectFile(int index) override;
    int SelectGroup(int group) override;
    int OpenTelemetry(int index) override;
    std::string FilePath(int index) const override;
    int UpdateTelemetry(std::int64_t ms, bool curveShown, bool mapShown) override;
    int DrawDrivenRoute(std::int64_t ms) override;
    int CurrentPictureSize(int& width, int& height) override;

private:
    CRecordingLibrary& m_library;
};
