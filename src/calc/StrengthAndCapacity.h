#pragma once

#include <cstdint>

#include "model/FloorModel.h"

namespace fd9 {

// Strength at temperature. Units: MPa, degC. Never below 0.
double ReducedSteelStrength(double yieldStrength, double steelTemp, SteelType type);
// Not limited above f'c: just over 350 degC the normal-weight formula gives more than f'c.
double ReducedConcreteStrength(double concreteStrength, double concTemp, ConcreteType type);
// Minutes of the band that holds a slab or flange thickness h (mm); 0 below the first band.
std::int16_t InsulationRatingFor(double thickness, ConcreteType type);

// The steps of a CALCULATE, each on the model in place and the current selections. A step that
// meets a zero or negative divisor, or a value that is not finite, throws CalculationError.
void ReduceSteelStrengths(FloorModel& model);
void ComputeEffectiveDepths(FloorModel& model);
void ComputeReducedDepths(FloorModel& model);
void ComputeReducedWidths(FloorModel& model);
void ReduceConcreteStrengths(FloorModel& model);
void ApplyPrestressingStress(FloorModel& model);
void ComputeStressBlockDepths(FloorModel& model);
void ComputePosMomentCapacity(FloorModel& model);
void ComputeAppliedMoment(FloorModel& model);
void ComputeInsulationRating(FloorModel& model);

}  // namespace fd9
