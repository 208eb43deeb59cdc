#pragma once

#include <string>

// Unit beside the speed digits.
std::string SpeedUnitText(bool metric);
// The speed digits, right-aligned in three characters; miles per hour are
// taken as 10/16 of km/h in whole numbers, always from the stored km/h so
// switching units back and forth loses nothing.
std::string SpeedText(unsigned kmh, bool metric);

// Compass image (1-based) for a heading in degrees clockwise from north; the
// rose turns against the car, in 45-degree steps rounded to the nearest.
// 0 when no image is loaded.
int CompassImageIndex(int headingDegrees, int imageCount);

// One legend entry of the G-sensor chart; the trailing blanks space the boxes.
std::string CurveLegendText(char axis, double g);
