#include <gtest/gtest.h>

#include <utility>

#include "model/FireRatings.h"

namespace fd9 {
namespace {

TEST(FireRatings, ATimeRoundsDownToTheLongestRatingItReaches) {
    const std::pair<int, int> cases[] = {{-5, 0},    {0, 0},     {29, 0},     {30, 30},
                                         {59, 30},   {60, 60},   {89, 60},    {90, 90},
                                         {119, 90},  {120, 120}, {179, 120},  {180, 180},
                                         {239, 180}, {240, 240}, {32767, 240}};
    for (const auto& [minutes, rating] : cases) {
        EXPECT_EQ(RoundDownToRating(minutes), rating) << minutes;
    }
}

}  // namespace
}  // namespace fd9
