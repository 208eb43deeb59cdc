#pragma once

#include <cstddef>
#include <cstdint>

// One stored GPS fix: 32 little-endian bytes in the recording.
struct GpsSample {
    static constexpr std::size_t kSize = 32;
    static constexpr std::uint8_t kFixFlag = 0x01;

    double latitude = 0;   // ddmm.mmmm
    double longitude = 0;  // dddmm.mmmm
    std::int32_t altitude = 0;  // metres
    std::uint16_t speed = 0;    // km/h
    std::uint8_t year = 0;      // year - 2000; 0 = no date
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
    std::uint8_t heading = 0;   // units of 2 degrees
    std::uint8_t flags = 0;

    // Reads one record from `bytes`, which must hold at least kSize bytes.
    static GpsSample Decode(const std::uint8_t* bytes);
    void Encode(std::uint8_t* bytes) const;

    bool HasFix() const { return (flags & kFixFlag) != 0; }
    // Both stored coordinates pass the camera's range test (value / 100 below 200).
    bool CoordinatesInRange() const { return latitude / 100 < 200 && longitude / 100 < 200; }
    // A record that may be used as a map position.
    bool IsUsablePosition() const { return HasFix() && CoordinatesInRange(); }
    // The record carries a plausible calendar date and time.
    bool HasValidDate() const;

    double LatitudeDegrees() const;
    double LongitudeDegrees() const;
    int HeadingDegrees() const { return heading * 2; }
    int SpeedMph() const { return speed * 10 / 16; }
};

// ddmm.mmmm (degrees x 100 plus minutes) to decimal degrees.
double NmeaToDegrees(double stored);
