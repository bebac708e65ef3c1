#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace fd9 {

// The loads dialog's choice of combination factors; a model file keeps its code beside the
// model.
enum class LoadCombination : std::int16_t { NZS4203 = 0, UserSpecified = 1 };
// The occupancies that NZS 4203 : 1992 gives fire-case live load factors for.
enum class Occupancy { Roofs, DomesticFloors, StorageFloors };
inline constexpr std::array<Occupancy, 3> Occupancies = {
    Occupancy::Roofs, Occupancy::DomesticFloors, Occupancy::StorageFloors};

// NZS 4203 : 1992 fire-case factors: dead load 1.0, live load by occupancy.
inline constexpr float NzsDeadLoadFactor = 1.0f;
constexpr float NzsLiveLoadFactor(Occupancy occupancy) {
    switch (occupancy) {
        case Occupancy::Roofs:
            return 0.0f;
        case Occupancy::StorageFloors:
            return 0.6f;
        case Occupancy::DomesticFloors:
            break;
    }
    return 0.4f;
}

// The occupancy whose NZS 4203 live load factor this is, if any.
constexpr std::optional<Occupancy> OccupancyOfLiveLoadFactor(float liveLoadFactor) {
    for (const Occupancy occupancy : Occupancies) {
        if (liveLoadFactor == NzsLiveLoadFactor(occupancy)) {
            return occupancy;
        }
    }
    return std::nullopt;
}

// The occupancy whose NZS 4203 factors the pair is; none when the pair was typed in.
constexpr std::optional<Occupancy> OccupancyOfFactors(float deadLoadFactor, float liveLoadFactor) {
    if (deadLoadFactor != NzsDeadLoadFactor) {
        return std::nullopt;
    }
    return OccupancyOfLiveLoadFactor(liveLoadFactor);
}

// The combination the loads dialog shows for a stored code and the model's factors. A code of
// NZS 4203 beside confirmed factors that are not its own shows them as typed in: the dialog
// must show the factors the calculation uses.
constexpr LoadCombination ShownCombination(LoadCombination stored, float deadLoadFactor,
                                           float liveLoadFactor) {
    const bool confirmed = deadLoadFactor != 0 || liveLoadFactor != 0;
    if (stored == LoadCombination::NZS4203 && confirmed &&
        !OccupancyOfFactors(deadLoadFactor, liveLoadFactor)) {
        return LoadCombination::UserSpecified;
    }
    return stored;
}

// The loads dialog's choices that a save writes into the stored codes: no occupancy when none
// of its options is checked. The defaults are the dialog's initial options.
struct LoadOptions {
    LoadCombination combination = LoadCombination::NZS4203;
    std::optional<Occupancy> occupancy = Occupancy::DomesticFloors;
};

}  // namespace fd9
