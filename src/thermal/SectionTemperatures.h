#pragma once

#include <string>
#include <vector>

#include "model/FloorModel.h"

namespace fd9 {

// What the temperature steps need beyond the model: the folder of the data files, and the data
// file last chosen (bare name, then full path), which later steps of one CALCULATE read.
struct TempDataContext {
    std::string programDir;
    std::string TempDataFile;
    // Every folder searched when none held the data set: the run stops at its first data file,
    // naming them all.
    std::vector<std::string> dataNotFoundIn = {};
};

// Light-weight concrete has no data of its own; its temperatures are scaled from normal weight.
inline constexpr double LightWeightFactor = 0.8;

// Width of a tapered rib at the level y below the top of the section. Units: mm.
double RibWidthAt(const FloorModel& model, double y);

// The three temperature steps of a CALCULATE, in this order. Each reads the current
// selections of the model. They throw CalculationError (TempDataError for file faults) when a
// steel temperature or damaged depth cannot be found, naming the file and the fire case.
void CalcSteelTemperatures(FloorModel& model, TempDataContext& context);
void CalcDamagedDepths(FloorModel& model, TempDataContext& context);
void CalcConcreteTemperatures(FloorModel& model, TempDataContext& context);

}  // namespace fd9
