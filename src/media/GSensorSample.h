#pragma once

#include <cstddef>
#include <cstdint>

// One stored three-axis G-sensor sample: three signed bytes, 1/90 g each.
struct GSensorSample {
    static constexpr std::size_t kSize = 3;
    static constexpr double kUnitsPerG = 90.0;

    std::int8_t x = 0;
    std::int8_t y = 0;
    std::int8_t z = 0;

    static GSensorSample Decode(const std::uint8_t* bytes)
    {
        return {static_cast<std::int8_t>(bytes[0]), static_cast<std::int8_t>(bytes[1]),
                static_cast<std::int8_t>(bytes[2])};
    }
    static double ToG(std::int8_t value) { return value / kUnitsPerG; }
};
