#pragma once

#include "library/CFileOperationUi.h"

#include <optional>
#include <string>

// Where the recordings come from, as the media source dialog gives it.
struct MediaSource {
    enum class Kind { Disk = 0, Folder = 1, File = 2 };
    Kind kind = Kind::Folder;
    std::string path;
};

// Every modal question and message of the main window. The window answers
// with real dialogs; tests answer with fakes, since a modal dialog would
// wait for a user.
class IWindowDialogs : public CFileOperationUi {
public:
    // The media source dialog; none when the user cancels.
    virtual std::optional<MediaSource> ChooseMediaSource() = 0;
    // The configuration dialog; the chosen map after OK, none after Cancel.
    virtual std::optional<int> RunConfiguration() = 0;
    // The save dialog of a snapshot; none when the user cancels.
    virtual std::optional<std::string> ChooseSnapshotPath() = 0;
    virtual void ShowAbout() = 0;
};
