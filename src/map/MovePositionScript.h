#pragma once

#include <string>

// The telemetry keeps coordinates as ddmm.mmmm; the marker receives them
// divided by 100 (dd.mmmm: degrees, then minutes / 100), so 35.4260 means
// 35 degrees 42.60 minutes, which is 35.71 degrees. The sign stays.
double DegreesFromMinutesForm(double value);

// The page call that moves the vehicle marker: "movpos(lat, lon)" with both
// in decimal degrees, six decimals, whatever the process locale.
std::string MovePositionScript(double latitudeMinutesForm, double longitudeMinutesForm);
