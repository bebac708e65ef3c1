#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "model/WholeNumber.h"

namespace fd9 {
namespace {

struct RoundCase {
    double value;
    std::optional<std::int16_t> rounded;
};

TEST(RoundToInt16, HalvesGoToTheEvenNeighbour) {
    const RoundCase cases[] = {
        {0.0, 0},
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {-3.5, -4},
        {0.6, 1},
        {-0.6, -1},
        {32.6, 33},
        {29.5, 30},
        {30.5, 30},
        {30.7, 31},
        {239.5, 240},
        {240.5, 240},
        {1e-300, 0},
        {0.49999999999999994, 0},
        {4503599627370495.5, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << "for " << c.value;
    }
}

TEST(RoundToInt16, EmptyOutsideSixteenBits) {
    const double inf = std::numeric_limits<double>::infinity();
    const RoundCase cases[] = {
        {32767.0, 32767},         {32767.4, 32767},
        {32767.5, std::nullopt},  {32768.0, std::nullopt},
        {-32768.0, -32768},       {-32768.5, -32768},
        {-32768.6, std::nullopt}, {-32769.5, std::nullopt},
        {1e300, std::nullopt},    {inf, std::nullopt},
        {-inf, std::nullopt},     {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << "for " << c.value;
    }
}

}  // namespace
}  // namespace fd9
