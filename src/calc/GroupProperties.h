#pragma once

#include "model/FloorModel.h"

namespace fd9 {

// Area of a bar of the given diameter, with pi to nine significant digits as every bar area
// of the program has it. Units: mm, mm2.
double BarArea(double diameter);

// Steel area and area-weighted cover of each group. The centroid steps divide by the area that
// the area step of the same group has just stored, so each pair runs in this order. A group
// without area gets a cover and centroid of 0.
void ComputePosAreaAndCover(FloorModel& model);
// Height of the positive group's centroid above the soffit. Units: mm.
void ComputePosCentroid(FloorModel& model);
void ComputeNegAreaAndCover(FloorModel& model);
// Depth of the negative group's centroid below the top face. Units: mm.
void ComputeNegCentroid(FloorModel& model);

}  // namespace fd9
