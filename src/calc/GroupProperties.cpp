#include "calc/GroupProperties.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fd9 {
namespace {

// A group without area (a continuous member without negative bars) yields 0, not a failure.
float QuotientOrZero(double numerator, double denominator) {
    if (denominator == 0.0) {
        return 0.0f;
    }
    const double quotient = numerator / denominator;
    if (!std::isfinite(quotient) || std::abs(quotient) > std::numeric_limits<float>::max()) {
        return 0.0f;
    }
    return static_cast<float>(quotient);
}

void AreaAndCover(const SteelTable& table, std::int16_t count, float& area, float& cover) {
    double sumArea = 0;
    double sumAreaCover = 0;
    for (int i = 0; i < RowsInUse(count); ++i) {
        const double barArea = BarArea(table[i][SteelDiameter]);
        sumArea += barArea;
        sumAreaCover += barArea * table[i][SteelCover];
    }
    area = static_cast<float>(sumArea);
    cover = QuotientOrZero(sumAreaCover, sumArea);
}

}  // namespace

double BarArea(double diameter) {
    return diameter * diameter * 3.14159265 / 4.0;
}

void ComputePosAreaAndCover(FloorModel& model) {
    AreaAndCover(model.PosSteel, model.PosSteelCount, model.PosSteelArea, model.PosEffectiveCover);
}

void ComputePosCentroid(FloorModel& model) {
    const double depth = IsRibbed(model) ? model.OverallDepth : model.SectionDepth;
    double moment = 0;
    for (int i = 0; i < RowsInUse(model.PosSteelCount); ++i) {
        const auto& bar = model.PosSteel[i];
        moment += BarArea(bar[SteelDiameter]) * (depth - bar[SteelY]);
    }
    model.PosCentroid = QuotientOrZero(moment, model.PosSteelArea);
}

void ComputeNegAreaAndCover(FloorModel& model) {
    AreaAndCover(model.NegSteel, model.NegSteelCount, model.NegSteelArea, model.NegEffectiveCover);
}

void ComputeNegCentroid(FloorModel& model) {
    double moment = 0;
    for (int i = 0; i < RowsInUse(model.NegSteelCount); ++i) {
        const auto& bar = model.NegSteel[i];
        moment += BarArea(bar[SteelDiameter]) * bar[SteelY];
    }
    model.NegCentroid = QuotientOrZero(moment, model.NegSteelArea);
}

}  // namespace fd9
