#include "calc/StrengthAndCapacity.h"

#include <array>
#include <cmath>
#include <string>

#include "calc/ArithmeticGuards.h"
#include "model/FireRatings.h"

namespace fd9 {

namespace {

// The compression zone must still have width and strength before a stress block can form.
void RequireCompressionZone(double width, double concStrength, double concTemp, const char* zone) {
    if (width <= 0) {
        StopCalculation(std::string("The fire has consumed the whole width of the ") + zone +
                        " (reduced width" + ValueText(width) + " mm)");
    }
    if (concStrength <= 0) {
        StopCalculation(std::string("The concrete of the ") + zone +
                        " has lost all its strength at" + ValueText(concTemp) + " deg C");
    }
}

// Depth of the rectangular stress block whose force balances the steel's.
double StressBlockDepth(float steelStrength, float steelArea, float concStrength, float width) {
    return double(steelStrength) * steelArea / (0.85 * concStrength * width);
}

}  // namespace

double ReducedSteelStrength(double yieldStrength, double steelTemp, SteelType type) {
    double strength = 0;
    if (type == SteelType::ReinforcingBar) {
        if (steelTemp <= 600) {
            strength = yieldStrength * (1 + steelTemp / (900 * std::log(steelTemp / 1750)));
        } else {
            strength = yieldStrength * (340 - 0.34 * steelTemp) / (steelTemp - 240);
        }
    } else if (steelTemp <= 150) {
        strength = yieldStrength;
    } else {
        strength = yieldStrength * (1.27 - steelTemp / 550);
    }
    return strength < 0 ? 0 : strength;
}

double ReducedConcreteStrength(double concreteStrength, double concTemp, ConcreteType type) {
    switch (type) {
        case ConcreteType::LightWeight:
        case ConcreteType::Pumice:
            return concTemp <= 500 ? concreteStrength
                                   : concreteStrength * (2 - 0.6 * concTemp / 300);
        case ConcreteType::NormalWeight:
        case ConcreteType::AlluvialQuartz:
        case ConcreteType::Dacite:
            break;
    }
    return concTemp <= 350 ? concreteStrength : concreteStrength * (1.65 - 0.8 * concTemp / 440);
}

std::int16_t InsulationRatingFor(double thickness, ConcreteType type) {
    // Lower bound of each band, mm; a band holds its lower bound.
    static constexpr std::array<double, 6> normal{50, 75, 95, 110, 140, 165};
    static constexpr std::array<double, 6> light{40, 55, 70, 80, 100, 120};
    static constexpr std::array<double, 6> dacite{45, 70, 90, 105, 135, 160};
    const std::array<double, 6>* bounds = &normal;
    if (type == ConcreteType::LightWeight || type == ConcreteType::Pumice) {
        bounds = &light;
    } else if (type == ConcreteType::Dacite) {
        bounds = &dacite;
    }
    std::int16_t rating = 0;
    for (std::size_t band = 0; band < StandardRatings.size(); ++band) {
        if (thickness >= (*bounds)[band]) {
            rating = StandardRatings[band];
        }
    }
    return rating;
}

void ReduceSteelStrengths(FloorModel& model) {
    model.PosReducedSteelStrength =
        StoreResult(ReducedSteelStrength(model.PosSteelStrength, model.PosSteelTemp,
                                         model.Selected.PosSteelType),
                    "The reduced strength of the positive moment steel");
    if (IsContinuous(model)) {
        model.NegReducedSteelStrength =
            StoreResult(ReducedSteelStrength(model.NegSteelStrength, model.NegSteelTemp,
                                             model.Selected.NegSteelType),
                        "The reduced strength of the negative moment steel");
    }
}

void ComputeEffectiveDepths(FloorModel& model) {
    if (IsRibbed(model)) {
        model.SectionDepth = model.OverallDepth;
    }
    model.PosEffectiveDepth =
        StoreResult(double(model.SectionDepth) - model.PosCentroid, "The positive effective depth");
    if (IsContinuous(model)) {
        model.NegEffectiveDepth = StoreResult(double(model.SectionDepth) - model.NegCentroid,
                                              "The negative effective depth");
    }
}

void ComputeReducedDepths(FloorModel& model) {
    model.PosReducedDepth = model.PosEffectiveDepth;
    if (IsContinuous(model)) {
        model.NegReducedDepth = StoreResult(double(model.NegEffectiveDepth) - model.NegDamagedDepth,
                                            "The negative reduced depth");
    }
}

void ComputeReducedWidths(FloorModel& model) {
    const double width = model.SectionWidth;
    double pos = width;
    double neg = width;
    switch (model.Selected.FloorType) {
        case FloorType::Beam:
            pos = width - 2.0 * model.PosDamagedDepth;
            neg = width - 2.0 * model.NegDamagedDepth;
            break;
        case FloorType::DoubleTee:
            pos = model.OverallWidth;
            neg = 2.0 * (width - 2.0 * model.NegDamagedDepth);  // two ribs
            break;
        case FloorType::TeeBeam:
            pos = model.OverallWidth;
            neg = width - 2.0 * model.NegDamagedDepth;
            break;
        case FloorType::Slab:
            break;
    }
    model.PosReducedWidth = StoreResult(pos, "The positive reduced width");
    model.NegReducedWidth = StoreResult(neg, "The negative reduced width");
}

void ReduceConcreteStrengths(FloorModel& model) {
    const ConcreteType type = model.Selected.ConcreteType;
    model.PosReducedConcStrength =
        StoreResult(ReducedConcreteStrength(model.ConcreteStrength, model.PosConcTemp, type),
                    "The reduced concrete strength of the positive compression zone");
    if (IsContinuous(model)) {
        model.NegReducedConcStrength =
            StoreResult(ReducedConcreteStrength(model.ConcreteStrength, model.NegConcTemp, type),
                        "The reduced concrete strength of the negative compression zone");
    }
}

void ApplyPrestressingStress(FloorModel& model) {
    const double area = model.PosSteelArea;
    const double width = model.PosReducedWidth;
    const double depth = model.PosReducedDepth;
    const double concStrength = model.PosReducedConcStrength;
    const double steelStrength = model.PosReducedSteelStrength;
    RequireCompressionZone(width, concStrength, model.PosConcTemp, "compression zone");
    if (depth <= 0) {
        StopCalculation(
            "The positive moment steel lies at or above the compression face (reduced "
            "depth" +
            ValueText(depth) + " mm)");
    }
    model.PosReducedSteelStrength =
        StoreResult(steelStrength * (1 - area * steelStrength / (2 * width * depth * concStrength)),
                    "The stress in the prestressing strands");
}

void ComputeStressBlockDepths(FloorModel& model) {
    RequireCompressionZone(model.PosReducedWidth, model.PosReducedConcStrength, model.PosConcTemp,
                           "compression zone");
    model.PosStressBlockDepth =
        StoreResult(StressBlockDepth(model.PosReducedSteelStrength, model.PosSteelArea,
                                     model.PosReducedConcStrength, model.PosReducedWidth),
                    "The positive stress block depth");
    if (!IsContinuous(model)) {
        return;
    }
    // Without negative steel there is no stress block, however little of the zone is left.
    if (model.NegSteelArea == 0) {
        model.NegStressBlockDepth = 0;
        return;
    }
    RequireCompressionZone(model.NegReducedWidth, model.NegReducedConcStrength, model.NegConcTemp,
                           "negative moment compression zone at the soffit");
    model.NegStressBlockDepth =
        StoreResult(StressBlockDepth(model.NegReducedSteelStrength, model.NegSteelArea,
                                     model.NegReducedConcStrength, model.NegReducedWidth),
                    "The negative stress block depth");
}

void ComputePosMomentCapacity(FloorModel& model) {
    model.PosMomentCapacity =
        StoreResult(1e-6 * (double(model.PosReducedDepth) - model.PosStressBlockDepth / 2.0) *
                        model.PosReducedSteelStrength * model.PosSteelArea,
                    "The available moment capacity");
}

void ComputeAppliedMoment(FloorModel& model) {
    const double load = double(model.LiveLoadFactor) * model.LiveLoad +
                        double(model.DeadLoadFactor) * model.DeadLoad;
    const double span = model.Span;
    model.AppliedMoment = StoreResult(load * span * span / 8, "The applied moment");
}

void ComputeInsulationRating(FloorModel& model) {
    if (model.Selected.DesignFire != DesignFire::Standard ||
        model.Selected.FloorType == FloorType::Beam) {
        return;
    }
    if (IsRibbed(model)) {
        model.SectionDepth =
            StoreResult(double(model.OverallDepth) - model.RibDepth, "The flange thickness");
    }
    model.InsulationRating = InsulationRatingFor(model.SectionDepth, model.Selected.ConcreteType);
}

}  // namespace fd9
