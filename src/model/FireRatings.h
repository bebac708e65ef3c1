#pragma once

#include <array>
#include <cstdint>

namespace fd9 {

// The fire resistance ratings (minutes) that the temperature data and the insulation bands
// know, shortest first.
inline constexpr std::array<std::int16_t, 6> StandardRatings = {30, 60, 90, 120, 180, 240};

// The compartment fires the temperature data covers: fire loads (kg/m2 wood equivalent) and
// opening factors (m^0.5).
inline constexpr std::array<std::int16_t, 3> FireLoads = {37, 74, 111};
inline constexpr std::array<float, 5> OpeningFactors = {0.01f, 0.02f, 0.04f, 0.08f, 0.15f};

// The longest standard rating that minutes reaches; 0 below the shortest.
constexpr std::int16_t RoundDownToRating(int minutes) {
    std::int16_t reached = 0;
    for (const std::int16_t rating : StandardRatings) {
        if (minutes >= rating) {
            reached = rating;
        }
    }
    return reached;
}

}  // namespace fd9
