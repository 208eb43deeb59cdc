#pragma once

#include <array>
#include <string_view>

// One playing speed the user can step to with FAST and SLOW; the label is
// what the picture shows while the speed is not normal.
struct RateStep {
    double rate;
    std::string_view label;
};

// Fine steps near normal speed, coarse ones far from it; nothing slower than 0.3.
inline constexpr std::array<RateStep, 18> kRateSteps = {{
    {0.3, "0.3 X"}, {0.4, "0.4 X"}, {0.5, "0.5 X"}, {0.6, "0.6 X"}, {0.7, "0.7 X"}, {0.8, "0.8 X"},
    {0.9, "0.9 X"}, {1.0, "1.0 X"}, {1.2, "1.2 X"}, {1.4, "1.4 X"}, {1.6, "1.6 X"}, {1.8, "1.8 X"},
    {2.0, "2.0 X"}, {2.4, "2.4 X"}, {2.8, "2.8 X"}, {3.2, "3.2 X"}, {3.6, "3.6 X"}, {4.0, "4.0 X"},
}};

inline constexpr int kNormalRateIndex = 7;
static_assert(kRateSteps[kNormalRateIndex].rate == 1.0);
