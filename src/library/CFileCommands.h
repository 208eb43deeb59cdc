#pragma once

#include <functional>

class CRecordingLibrary;
class CFileOperationUi;

// The window's DEL, LOCK, SAVE and KML commands: the questions and messages
// around the library's file operations, with the user's language.
class CFileCommands {
public:
    // `stopPlayback` stops both players (and hides what the window hides
    // meanwhile); it runs before a recording is deleted or copied.
    CFileCommands(CRecordingLibrary& library, CFileOperationUi& ui, std::function<void()> stopPlayback);

    void OnDelete();
    void OnUnlock();
    void OnSaveAs();
    // Exports the current file's track into the KML folder below the user's documents.
    void OnKml();

private:
    // Tells the user when the list is empty; false then.
    bool HasFiles();
    // Tells the user when no group was checked, which the operation reports as 0.
    void ReportNothingChecked(int result);

    CRecordingLibrary& library;
    CFileOperationUi& ui;
    std::function<void()> stopPlayback;
};
