#pragma once

#include <string>

#include "model/FloorModel.h"

namespace fd9 {

// Writes the cover of every bar in use of both steel tables and checks the smallest clear
// cover and the concrete strength against NZS 3101 Table 5.5 for the selected exposure class.
// Returns the warning to show (exclamation icon, OK only), or an empty string. A broken rule
// never stops the calculation.
std::string RunPreCalculationChecks(FloorModel& model);

// Distance from the bar centre at (x, y) to the nearest face through which the fire heats it:
// soffit or side faces for positive bars, soffit or flange underside for negative bars.
// Units: mm.
float PosBarCover(const FloorModel& model, float x, float y);
float NegBarCover(const FloorModel& model, float x, float y);

// The message of the first rule that minClearCover (mm) or the concrete strength breaks, or a
// single blank " " when none is.
std::string CoverRuleMessage(const FloorModel& model, float minClearCover);

}  // namespace fd9
