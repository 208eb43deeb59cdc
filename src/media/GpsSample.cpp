#include "media/GpsSample.h"

#include "media/LittleEndian.h"

#include <cmath>
#include <cstring>

GpsSample GpsSample::Decode(const std::uint8_t* bytes)
{
    GpsSample s;
    s.latitude = ReadDoubleLE(bytes);
    s.longitude = ReadDoubleLE(bytes + 8);
    s.altitude = static_cast<std::int32_t>(ReadU32LE(bytes + 16));
    s.speed = ReadU16LE(bytes + 20);
    s.year = bytes[22];
    s.month = bytes[23];
    s.day = bytes[24];
    s.hour = bytes[25];
    s.minute = bytes[26];
    s.second = bytes[27];
    s.heading = bytes[28];
    s.flags = bytes[29];
    return s;
}

void GpsSample::Encode(std::uint8_t* bytes) const
{
    std::memset(bytes, 0, kSize);
    WriteDoubleLE(bytes, latitude);
    WriteDoubleLE(bytes + 8, longitude);
    WriteU32LE(bytes + 16, static_cast<std::uint32_t>(altitude));
    WriteU16LE(bytes + 20, speed);
    const std::uint8_t tail[] = {year, month, day, hour, minute, second, heading, flags};
    std::memcpy(bytes + 22, tail, sizeof tail);
}

bool GpsSample::HasValidDate() const
{
    return year != 0 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour <= 23 && minute <= 59 &&
           second <= 59;
}

double NmeaToDegrees(double stored)
{
    const double d = stored / 100;
    const double whole = std::trunc(d);
    return whole + (d - whole) * 100 / 60;
}

double GpsSample::LatitudeDegrees() const { return NmeaToDegrees(latitude); }
double GpsSample::LongitudeDegrees() const { return NmeaToDegrees(longitude); }
