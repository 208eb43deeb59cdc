#include "instruments/InstrumentText.h"

#include <cstdio>

std::string SpeedUnitText(bool metric) { return metric ? "Km/h" : "MPH"; }

std::string SpeedText(unsigned kmh, bool metric)
{
    const unsigned long long shown = metric ? kmh : kmh * 10ULL / 16;
    char text[32];
    std::snprintf(text, sizeof text, "%3llu", shown);
    return text;
}

int CompassImageIndex(int headingDegrees, int imageCount)
{
    if (imageCount <= 0)
        return 0;
    // Reduced first so that no heading can overflow the subtraction.
    const int a = (360 - headingDegrees % 360) % 360;
    int step = a / 45;
    if (a - 45 * step > 22)
        ++step;
    return step % imageCount + 1;
}

std::string CurveLegendText(char axis, double g)
{
    char text[64];
    std::snprintf(text, sizeof text, "%c: %0.4f G    ", axis, g);
    return text;
}
