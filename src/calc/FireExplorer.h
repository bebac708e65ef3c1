#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/FireRatings.h"
#include "model/FloorModel.h"

namespace fd9 {

// One fire of the explorer: a standard rating, or a compartment fire of the given fire load
// (kg/m2) and opening factor.
struct ExplorerFire {
    DesignFire fire = DesignFire::Standard;
    std::int16_t rating = 0;
    std::int16_t fireLoad = 0;
    float openingFactor = 0;
};

// What one CALCULATE gave for one fire. Moments kNm, ratings minutes.
struct ExplorerPoint {
    ExplorerFire fire;
    // False when the run stopped; stopReason then says why and no value below is meaningful.
    bool completed = false;
    std::string stopReason;

    float posCapacity = 0;
    float appliedMoment = 0;
    // A continuous member only.
    float negCapacity = 0;
    float reqNegEndBay = 0;
    float reqNegIntBay = 0;
    bool compressiveFailure = false;
    // Standard fire on a slab, double-tee or T-beam; a beam's insulation is not rated.
    std::optional<std::int16_t> insulationRating;

    // The verdicts CALCULATE gives: stability for a simply supported member, end and
    // intermediate spans for a continuous one.
    std::optional<bool> stability;
    std::optional<bool> endSpans;
    std::optional<bool> intermediateSpans;
    std::optional<bool> insulation;

    bool stable() const {
        return completed && stability.value_or(true) && endSpans.value_or(true) &&
               intermediateSpans.value_or(true);
    }
};

struct ExplorerResult {
    // No positive-moment bar: CALCULATE does nothing, so neither does the explorer.
    bool nothingToCalculate = false;
    bool continuous = false;
    FloorType floorType = FloorType::Slab;
    std::vector<ExplorerPoint> standard;     // one per StandardRatings entry, in that order
    std::vector<ExplorerPoint> nonStandard;  // fire load outer, opening factor inner

    // The highest rating reached: that rating and every shorter one achieved, so a quirk of the
    // data at one duration never claims more than the member holds throughout.
    std::optional<std::int16_t> stabilityRating;  // simply supported
    std::optional<std::int16_t> endSpanRating;    // continuous
    std::optional<std::int16_t> intermediateSpanRating;
    std::optional<std::int16_t> insulationRating;  // not for a beam
};

// Runs CALCULATE once per fire, each on its own copy of model with only the fire changed and
// its own temperature-data context; model itself is never written. dataNotFoundIn as in
// TempDataContext.
ExplorerResult ExploreFireResistance(const FloorModel& model, const std::string& programDir,
                                     const std::vector<std::string>& dataNotFoundIn = {});

// Available minus required moment, and that as a percentage of the required; the percentage
// is empty when nothing is required. In double: two moments near the float limit would
// otherwise differ by an infinity.
double MarginKnm(float available, float required);
std::optional<double> MarginPercent(float available, float required);

// "ACHIEVED", "NOT ACHIEVED", both span verdicts of a continuous member, or "STOPPED: " and
// the reason, on one line.
std::string VerdictText(const ExplorerPoint& point);
// "60 minutes", or "none of the ratings" when even 30 minutes is not reached, or "not rated".
std::string RatingText(const std::optional<std::int16_t>& rating, bool rated = true);

// Both tables as one CSV table under one header line, LF line ends; with withModel each row
// starts with the model's name (quoted where it must be).
std::string ExplorerCsvHeader(bool withModel);
std::string ExplorerCsvRows(const ExplorerResult& result, const std::string& modelName = {},
                            bool withModel = false);

}  // namespace fd9
