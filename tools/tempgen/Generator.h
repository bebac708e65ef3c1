#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Fires.h"
#include "Materials.h"
#include "model/FireRatings.h"

namespace tempgen {

// "0.01", "0.02", ...: each opening factor to the hundredth it was written with.
std::vector<std::string> OpeningFactorTexts();

// The fire cases, keys and grids of one generation. The defaults make the committed files; tests
// use reduced copies.
struct Options {
    std::vector<int> ratings{fd9::StandardRatings.begin(), fd9::StandardRatings.end()};
    std::vector<int> fireLoads{fd9::FireLoads.begin(), fd9::FireLoads.end()};
    // As written into the files: the texts must read back as the 32-bit floats of the model.
    std::vector<std::string> openingFactors = OpeningFactorTexts();
    // Decreasing, so that the first block a search meets is the widest one that qualifies.
    std::vector<int> beamWidths = {600, 500, 400, 300, 250, 200, 175, 150, 125, 100, 75, 50};
    // The whole ladder of width keys, which sets how deep each block runs whichever widths a
    // (reduced) generation writes, and the widest member the widest key serves.
    std::vector<int> beamKeys = {600, 500, 400, 300, 250, 200, 175, 150, 125, 100, 75, 50};
    double widestMember = 1200.0;  // mm
    // How far up a rib's centre line the 750 degC depth is followed (mm): beyond the extent of a
    // block where it lies deeper, as in a 175 mm rib at 240 minutes.
    double beamDamageProbe = 400.0;
    double slabThickness = 200.0;  // mm
    double slabDepthStep = 5.0;    // mm
    double beamDepthStep = 5.0;    // mm, down to half the width
    double beamDeepStep = 10.0;    // mm, below half the width, on the centre line
    double slabSpacing = 0.0025;   // m
    double beamSpacing = 0.005;    // m
    // Above the deepest tabulated point, so that the adiabatic top does not reach it.
    double beamMargin = 0.3;  // m
    double timeStepFactor = 0.9;
};

// The value with the given decimals and '.' as the point whatever the locale; with sign, '+'
// before a value that is not negative ("%+.1f").
std::string Fixed(double value, int decimals, bool sign = false);
// A whole decimal text ("0.04") read with '.' as the point whatever the locale; throws
// std::invalid_argument for anything else.
double ParseNumber(const std::string& text);

// Depths 0, step, 2 step, ... up to last, with last itself as the final depth. mm.
std::vector<double> Depths(double last, double step);

// Deepest depth of the block of a width key (mm): half the next wider key of the ladder, so that
// a member between two keys finds its half width in the narrower key's block; half the widest
// member for the widest key.
double BeamExtent(int width, const Options& o);
// The depths computed for a beam block: every beamDepthStep to half the width, then every
// beamDeepStep (multiples of it) to the extent or the damage probe, whichever is deeper, the
// half width and the extent themselves included.
std::vector<double> BeamDepths(int width, const Options& o);
// How many of those depths a block prints: down to the extent, and on to the first temperature
// not above 750 degC where that lies deeper (within the probe), so that the damaged-depth search
// finds its crossing inside the block.
std::size_t BeamBlockLength(int width, const std::vector<double>& depths,
                            const std::vector<double>& temperatures, const Options& o);

// Slab heated at its soffit under the standard fire: temperatures (degC) at the depths (mm)
// at each rating (minutes); result[rating][depth].
std::vector<std::vector<double>> SlabStandardProfiles(const Material& m, double thickness,
                                                      const std::vector<double>& depths,
                                                      const std::vector<int>& ratings,
                                                      double spacing, double timeStepFactor = 0.9);

// The same under the ASTM E119 furnace curve, for comparison with furnace tests only; result
// [time][depth] for the times in minutes.
std::vector<std::vector<double>> SlabE119Profiles(const Material& m, double thickness,
                                                  const std::vector<double>& depths,
                                                  const std::vector<int>& minutes, double spacing,
                                                  double timeStepFactor = 0.9);

// Highest temperature at each depth over the whole fire and its cooling.
std::vector<double> SlabPeakProfile(const Material& m, const LieFire& fire, double thickness,
                                    const std::vector<double>& depths, double spacing,
                                    double timeStepFactor = 0.9);

// Rectangular section of the given width heated on its soffit and both sides: the temperature at
// d from the soffit and d from the nearer side for depths d up to half the width, and on the
// centre line d above the soffit for deeper d (mm). The section is margin (m) taller than the
// deepest point.
std::vector<std::vector<double>> BeamStandardProfiles(const Material& m, double width,
                                                      const std::vector<double>& depths,
                                                      const std::vector<int>& ratings,
                                                      double spacing, double margin,
                                                      double timeStepFactor = 0.9);
// The same section at any points (x from the side face, y from the soffit; mm).
// Points across the centre line are read at the centre line.
std::vector<std::vector<double>> BeamStandardAtPoints(
    const Material& m, double width, const std::vector<std::pair<double, double>>& points,
    const std::vector<int>& ratings, double spacing, double margin, double timeStepFactor = 0.9);
std::vector<double> BeamPeakProfile(const Material& m, const LieFire& fire, double width,
                                    const std::vector<double>& depths, double spacing,
                                    double margin, double timeStepFactor = 0.9);

// Minutes of standard fire until the unexposed face of a slab (mm) has risen by 140 degC.
double InsulationMinutes(const Material& m, double thickness, double spacing,
                         double timeStepFactor = 0.9);

// The five layouts' records as text, one record per line.
void WriteStandardSlabFile(std::ostream& out, const Material& m, const Options& o);
void WriteStandardBeamFile(std::ostream& out, const Material& m, const Options& o);
void WriteRealSlabFile(std::ostream& out, const Material& m, const Options& o);
void WriteRealBeamFile(std::ostream& out, const Material& m, const Options& o);

// The seven data files, written into dir; returns their names.
std::vector<std::string> GenerateAll(const std::filesystem::path& dir, const Options& o);

}  // namespace tempgen
