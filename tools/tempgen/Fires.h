#pragma once

#include "thermal/FireCurves.h"

namespace tempgen {

// The fires of the data files live in the program, which draws them in the calculation record.
using fd9::Iso834;
using fd9::LieFire;

// Furnace temperature of the ASTM E119 standard fire, degC, at t minutes: linear between the
// standard's tabulated points. Used only to compare the solver with furnace tests.
double AstmE119(double minutes);

}  // namespace tempgen
