#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "model/FireRatings.h"
#include "model/LoadCombinations.h"

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

// After Open or New the loads dialog shows a pair as an occupancy only when NZS 4203 gives
// exactly that pair; a typed factor near one must not pass for it.
TEST(LoadCombinations, AFactorPairBelongsToAnOccupancyOnlyWhenBothFactorsAreItsOwn) {
    const struct {
        float dead, live;
        std::optional<Occupancy> occupancy;
    } cases[] = {{1, 0, Occupancy::Roofs},
                 {1, 0.4f, Occupancy::DomesticFloors},
                 {1, 0.6f, Occupancy::StorageFloors},
                 {1.2f, 0.4f, std::nullopt},
                 {0, 0.6f, std::nullopt},
                 {1, 0.5f, std::nullopt},
                 {1, 0.4000001f, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(OccupancyOfFactors(c.dead, c.live), c.occupancy) << c.dead << " " << c.live;
    }
}

// Factors never confirmed (both 0) keep the stored code; confirmed ones not NZS 4203's own show
// as typed in, and a typed pair equal to NZS 4203's stays typed.
TEST(LoadCombinations, TheDialogShowsTheCombinationOfTheFactorsTheCalculationUses) {
    using enum LoadCombination;
    const struct {
        LoadCombination stored;
        float dead, live;
        LoadCombination shown;
    } cases[] = {{NZS4203, 0, 0, NZS4203},
                 {NZS4203, 1, 0.6f, NZS4203},
                 {NZS4203, 1.2f, 0.6f, UserSpecified},
                 {NZS4203, 0, 0.4f, UserSpecified},
                 {UserSpecified, 1, 0.4f, UserSpecified}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShownCombination(c.stored, c.dead, c.live), c.shown) << c.dead << " " << c.live;
    }
}

}  // namespace
}  // namespace fd9
