#pragma once

#include <string>
#include <vector>

#include "Materials.h"

namespace tempgen {

// Axis distance (mm) of the bars of a simply supported one-way slab for a rating (minutes).
struct AxisDistance {
    int rating;
    double distance;
};
const std::vector<AxisDistance>& SlabAxisDistances();
// Depth (mm) of the 500 degC isotherm in a 200 mm slab at the rating.
double DepthOf500(const Material& m, int rating, double spacing);

// Lower bounds of the insulation bands (mm) for 30, 60, 90, 120, 180 and 240 minutes.
struct InsulationBands {
    Concrete concrete;
    std::vector<double> thickness;
};
const std::vector<int>& BandRatings();
const std::vector<InsulationBands>& InsulationBandTable();

// The validation tables as Markdown, for the data documentation.
std::string ValidationReport();

}  // namespace tempgen
