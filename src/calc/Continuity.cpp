#include "calc/Continuity.h"

#include <cmath>

#include "calc/ArithmeticGuards.h"
#include "calc/StrengthAndCapacity.h"

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
                "THE DEPTH OF THE NEGATIVE MOMENT COMPRESSION ZONE HAS NOT SETTLED "
                "AFTER " +
                std::to_string(MaxCompressionZonePasses) + " PASSES (LAST" +
                ValueText(model.PrevNegConcTempDepth) + " MM, NOW" +
                ValueText(model.NegConcTempDepth) + " MM)");
        }
        ++passes;
        model.PrevNegConcTempDepth = model.NegConcTempDepth;
        const double halfWidth = 0.5 * model.SectionWidth;
        const double zone = double(model.NegStressBlockDepth) + model.NegDamagedDepth;
        model.NegConcTempDepth = StoreResult(halfWidth < zone ? halfWidth : zone,
                                             "THE DEPTH OF THE NEGATIVE MOMENT COMPRESSION ZONE");
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
                    "THE AVAILABLE NEGATIVE MOMENT CAPACITY");
}

double NegSectionRatio(const FloorModel& model) {
    const double steelForce = double(model.NegReducedSteelStrength) * model.NegSteelArea;
    if (steelForce == 0) {
        return 0;
    }
    if (model.NegReducedDepth <= 0) {
        StopCalculation(
            "THE FIRE-DAMAGED CONCRETE REACHES THE NEGATIVE MOMENT STEEL (REDUCED "
            "DEPTH" +
            ValueText(model.NegReducedDepth) + " MM)");
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
        StopCalculation("THE APPLIED MOMENT IS" + ValueText(applied) +
                        " KNM: ENTER THE DESIGN LOADS, LOAD FACTORS AND SPAN");
    }
    if (capacity < 0) {
        StopCalculation("THE AVAILABLE MOMENT CAPACITY IS NEGATIVE (" + ValueText(capacity) +
                        " KNM): THE STRESS BLOCK IS DEEPER THAN TWICE THE REDUCED DEPTH");
    }
    const double endBay = 4 * applied - 8 * applied * std::sqrt(2 * capacity / (8 * applied));
    model.ReqNegMomEndBay =
        StoreResult(endBay < 0 ? 0 : endBay, "THE REQUIRED NEGATIVE MOMENT CAPACITY OF AN END BAY");
    model.ReqNegMomIntBay = StoreResult(capacity < applied ? applied - capacity : 0,
                                        "THE REQUIRED NEGATIVE MOMENT CAPACITY OF AN INTERMEDIATE "
                                        "BAY");
}

void ComputeInflectionDistances(FloorModel& model) {
    const double deadLoad = model.DeadLoad;
    const double span = model.Span;
    const double capacity = model.PosMomentCapacity;
    if (deadLoad <= 0 || span <= 0) {
        StopCalculation("THE DEAD LOAD (" + ValueText(deadLoad) + " KN/M) AND THE SPAN (" +
                        ValueText(span) +
                        " M) MUST BE ABOVE 0 TO FIND THE DISTANCES TO THE INFLECTION POINTS");
    }
    model.NegSteelLengthEndBay =
        StoreResult(span - 2 * double(model.ReqNegMomEndBay) / (deadLoad * span),
                    "THE DISTANCE TO THE INFLECTION POINT OF AN END BAY");
    // A negative capacity was refused by the required-capacity step.
    model.NegSteelLengthIntBay = StoreResult(span / 2 - 0.5 * std::sqrt(8 * capacity / deadLoad),
                                             "THE DISTANCE TO THE INFLECTION POINT OF AN "
                                             "INTERMEDIATE BAY");
}

}  // namespace fd9
