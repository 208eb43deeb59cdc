#pragma once

// String IDs of the texts the library and its commands show.
enum StringId : unsigned {
    IDS_KML_SAVED = 125,           // "Save KML file: %s OK."
    IDS_KML_FAILED = 126,          // "Save KML file:%s Failed."
    IDS_KML_CAPTION = 127,         // "Save KML"
    IDS_DELETE_CAPTION = 128,      // "Delete Files"
    IDS_DELETE_QUESTION = 129,     // "Are you sure to delete the checked files?"
    IDS_SELECT_FOLDER = 130,       // "Select a folder"
    IDS_WARNING = 131,             // "Warning"
    IDS_FOLDER_MISSING = 132,      // "Folder is not exist."
    IDS_NOTHING_CHECKED = 135,     // "No seletected files. ..."
    IDS_NO_FILES = 136,            // "No files in list."
    IDS_OVERWRITE_CAPTION = 140,   // "Confirm to overwrite the file."
    IDS_OVERWRITE_QUESTION = 141,  // "File "%s" is already exist. Are you sure to overwrite it?"
    IDS_SELECTION_CAPTION = 144,   // "Confirm file selection"
    IDS_OK = 145,                  // "OK"
    IDS_COPY_FAILED = 200,         // "Could not copy: %s"
};
