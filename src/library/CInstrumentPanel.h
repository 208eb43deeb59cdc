#pragma once

// The compass, the speed read-out and the progress board of the main window.
class CInstrumentPanel {
public:
    virtual ~CInstrumentPanel() = default;

    // Compass: the rose turned to a heading in whole degrees, clockwise from north.
    virtual void SetHeading(int degrees) = 0;
    // Compass image; 0 is the grey rose shown without a fix.
    virtual void SetImageIndex(int index) = 0;
    // Speed read-out; `valid` false shows no speed.
    virtual void SetSpeed(bool valid, unsigned kmh) = 0;

    // The progress board, shown only while a copy runs.
    virtual void ShowProgressBoard(bool shown) = 0;
    // Repaints before returning: the copy does not return to the event loop between files.
    virtual void SetProgress(int percent) = 0;
};
