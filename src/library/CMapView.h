#pragma once

#include <string>

// The map page. Scripts arrive one call at a time, in order; a page that
// redraws per call should collect them and redraw once.
class CMapView {
public:
    virtual ~CMapView() = default;

    // One complete script call, such as "path_plot(25.058333,121.500000)".
    virtual void RunScript(const std::string& script) = 0;
    // Moves the vehicle marker. Both values are in the dd.mmmm form (the
    // stored ddmm.mmmm value divided by 100); the map converts to degrees.
    virtual void MovePosition(double latitude, double longitude) = 0;
};
