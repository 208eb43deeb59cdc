#include "map/MovePositionScript.h"

#include "library/TextFormat.h"

#include <cmath>

double DegreesFromMinutesForm(double value)
{
    const double degrees = std::trunc(value);
    return degrees + (value - degrees) * 100 / 60;
}

std::string MovePositionScript(double latitudeMinutesForm, double longitudeMinutesForm)
{
    std::string call = "movpos(";
    AppendFixed(call, DegreesFromMinutesForm(latitudeMinutesForm), 6);
    call += ", ";
    AppendFixed(call, DegreesFromMinutesForm(longitudeMinutesForm), 6);
    call += ')';
    return call;
}
