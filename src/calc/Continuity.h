#pragma once

#include <functional>
#include <string>

#include "model/FloorModel.h"

namespace fd9 {

inline constexpr int MaxCompressionZonePasses = 100;

inline const char* const CompressiveFailureMessage =
    "The concrete failure is in the compression zone. \r\nThis is not desirable. Try reducing "
    "amount of steel or increase concrete strength.";

// Refines NegConcTempDepth until it changes by less than 0.1 % between passes; each pass reruns
// the depth, width, concrete-temperature, concrete-strength and stress-block steps.
// concreteTemperatures is the concrete-temperature step. Throws CalculationError when the depth
// has not settled within MaxCompressionZonePasses. Returns the passes run.
int RunCompressionZoneIteration(FloorModel& model,
                                const std::function<void(FloorModel&)>& concreteTemperatures);

void ComputeNegMomentCapacity(FloorModel& model);

// Steel force over concrete force of the negative section, the stress-block depth over the
// reduced depth; 0 without negative steel.
double NegSectionRatio(const FloorModel& model);
// A ratio of 0.26 or more fails in compression.
bool IsCompressiveFailure(double ratio);

void ComputeRequiredNegCapacities(FloorModel& model);
void ComputeInflectionDistances(FloorModel& model);

}  // namespace fd9
