#include "calc/Continuity.h"

#include <algorithm>
#include <cmath>

#include "calc/ArithmeticGuards.h"
#include "calc/StrengthAndCapacity.h"
#include "model/Verdicts.h"

namespace fd9 {

namespace {

// The relative change between passes; a zone that stays at depth 0 has settled.
bool HasSettled(double depth, double previous) {
    if (depth == 0) {
        return previous == 0;
    }
    return std::abs(depth - previous) / std::abs(depth) < 0.001;
}

}  // namespace

int RunCompressionZoneIteration(FloorModel& model,
                                const std::function<void(FloorModel&)>& concreteTemperatures) {
    model.PrevNegConcTempDepth = 0;
    int passes = 0;
    while (!HasSettled(model.NegConcTempDepth, model.PrevNegConcTempDepth)) {
        if (passes == MaxCompressionZonePasses) {
            StopCalculation(
                "The depth of the negative moment compression zone has not settled "
                "after " +
                std::to_string(MaxCompressionZonePasses) + " passes (last" +
                ValueText(model.PrevNegConcTempDepth) + " mm, now" +
                ValueText(model.NegConcTempDepth) + " mm)");
        }
        ++passes;
        model.PrevNegConcTempDepth = model.NegConcTempDepth;
        const double halfWidth = 0.5 * model.SectionWidth;
        const double zone = double(model.NegStressBlockDepth) + model.NegDamagedDepth;
        model.NegConcTempDepth = StoreResult(halfWidth < zone ? halfWidth : zone,
                                             "The depth of the negative moment compression zone");
        ComputeEffectiveDepths(model);
        ComputeReducedDepths(model);
        ComputeReducedWidths(model);
        concreteTemperatures(model);
        ReduceConcreteStrengths(model);
        ComputeStressBlockDepths(model);
    }
    return passes;
}

void ComputeNegMomentCapacity(FloorModel& model) {
    model.NegMomentCapacity =
        StoreResult(1e-6 * (double(model.NegReducedDepth) - model.NegStressBlockDepth / 2.0) *
                        model.NegReducedSteelStrength * model.NegSteelArea,
                    "The available negative moment capacity");
}

double NegSectionRatio(const FloorModel& model) {
    const double steelForce = double(model.NegReducedSteelStrength) * model.NegSteelArea;
    if (steelForce == 0) {
        return 0;
    }
    if (model.NegReducedDepth <= 0) {
        StopCalculation(
            "The fire-damaged concrete reaches the negative moment steel (reduced "
            "depth" +
            ValueText(model.NegReducedDepth) + " mm)");
    }
    // The stress-block step has already refused a zone without width or strength.
    return steelForce /
           (0.85 * model.NegReducedConcStrength * model.NegReducedWidth * model.NegReducedDepth);
}

bool IsCompressiveFailure(double ratio) {
    return ratio >= 0.26;
}

void ComputeRequiredNegCapacities(FloorModel& model) {
    const double applied = model.AppliedMoment;
    const double capacity = model.PosMomentCapacity;
    if (applied <= 0) {
        StopCalculation("The applied moment is" + ValueText(applied) +
                        " kNm: enter the design loads, load factors and span");
    }
    if (capacity < 0) {
        StopCalculation("The available moment capacity is negative (" + ValueText(capacity) +
                        " kNm): the stress block is deeper than twice the reduced depth");
    }
    const double endBay = 4 * applied - 8 * applied * std::sqrt(2 * capacity / (8 * applied));
    model.ReqNegMomEndBay =
        StoreResult(endBay < 0 ? 0 : endBay, "The required negative moment capacity of an end bay");
    model.ReqNegMomIntBay = StoreResult(capacity < applied ? applied - capacity : 0,
                                        "The required negative moment capacity of an intermediate "
                                        "bay");
}

void ComputeInflectionDistances(FloorModel& model) {
    const double deadLoad = model.DeadLoad;
    const double span = model.Span;
    const double capacity = model.PosMomentCapacity;
    if (deadLoad <= 0 || span <= 0) {
        StopCalculation("The dead load (" + ValueText(deadLoad) + " kN/m) and the span (" +
                        ValueText(span) +
                        " m) must be above 0 to find the distances to the inflection points");
    }
    // Where a formula goes below 0 the bay has no point of inflection: the negative-moment steel
    // of an end bay then runs the whole span, and an intermediate bay needs none.
    const double endBay = EndBayHasNoInflection(model)
                              ? span
                              : span - 2 * double(model.ReqNegMomEndBay) / (deadLoad * span);
    model.NegSteelLengthEndBay =
        StoreResult(std::max(endBay, 0.0), "The distance to the inflection point of an end bay");
    // A negative capacity was refused by the required-capacity step.
    const double intBay =
        IntBayHasNoInflection(model) ? 0 : span / 2 - 0.5 * std::sqrt(8 * capacity / deadLoad);
    model.NegSteelLengthIntBay = StoreResult(
        std::max(intBay, 0.0), "The distance to the inflection point of an intermediate bay");
}

}  // namespace fd9
