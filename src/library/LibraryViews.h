#pragma once

class CGroupListView;
class CFileListView;
class CCurveView;
class CMapView;
class CInstrumentPanel;
class CScanCounter;
class CFileOperationUi;

// Everything through which the library reaches the screen, borrowed from the
// main window. Any of them may be null; the library then skips that step.
struct LibraryViews {
    CGroupListView* groupList = nullptr;
    CFileListView* fileList = nullptr;
    CCurveView* curve = nullptr;
    CMapView* map = nullptr;
    CInstrumentPanel* instruments = nullptr;
    CScanCounter* scanCounter = nullptr;
    CFileOperationUi* fileOperationUi = nullptr;
};
