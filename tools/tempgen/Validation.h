#pragma once

#include <filesystem>
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

// Lower bounds of the insulation bands (mm), one for each standard rating.
struct InsulationBands {
    Concrete concrete;
    std::vector<double> thickness;
};
const std::vector<int>& BandRatings();
const std::vector<InsulationBands>& InsulationBandTable();

// A temperature measured in a slab in a furnace test: depth mm, minutes of ASTM E119, degC.
struct TestPoint {
    std::string aggregate;
    double depth = 0;
    int minutes = 0;
    double temperature = 0;
};
// The records of the test-curve file (data/validation): comment lines start with '#', then a
// header and aggregate,depth_in,depth_mm,minutes,temperature_F,temperature_C.
std::vector<TestPoint> ReadTestPoints(const std::filesystem::path& file);

struct TestComparison {
    TestPoint test;
    double computed = 0;
    double deviation() const { return computed - test.temperature; }
};
// The 200 mm slab of the concrete under ASTM E119 at every test point of the aggregate.
std::vector<TestComparison> CompareWithTests(const Material& m, const std::vector<TestPoint>& tests,
                                             const std::string& aggregate, double spacing);
double MeanDeviation(const std::vector<TestComparison>& rows);

// The validation tables as Markdown, for the data documentation.
std::string ValidationReport();
// The point-by-point comparison with the furnace tests, as Markdown.
std::string TestComparisonReport(const std::vector<TestPoint>& tests);

}  // namespace tempgen
