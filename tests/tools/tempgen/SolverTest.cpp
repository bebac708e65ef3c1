#include <gtest/gtest.h>

#include <cmath>

#include "Fires.h"
#include "Generator.h"
#include "HeatSolver.h"
#include "Materials.h"

namespace tempgen {
namespace {

constexpr double kConductivity = 1.5;      // W/mK
constexpr double kVolumetricHeat = 2.2e6;  // J/m3K
constexpr double kDiffusivity = kConductivity / kVolumetricHeat;

// Constant properties and a surface held at 1000 degC from 20 degC: the error function solution
// of the half-space, and its product at a right-angled corner.
double HalfSpaceRatio(double depth, double seconds) {
    return std::erf(depth / (2.0 * std::sqrt(kDiffusivity * seconds)));
}

Exposure FixedSurface() {
    Exposure e;
    e.gas = [](double) { return 1000.0; };
    return e;
}

TEST(HeatSolver, MatchesTheErrorFunctionSolutionOfAHalfSpace) {
    const Material m = MakeConstantMaterial(kConductivity, kVolumetricHeat);
    Section s;
    s.height = 0.3;  // deep enough to stand for a half-space after an hour
    s.spacing = 0.0025;
    s.bottom = Face::Fixed;
    s.top = Face::Adiabatic;
    HeatSolver solver(m, s, FixedSurface());
    solver.advance(3600.0);
    for (double depth : {0.005, 0.01, 0.02, 0.04, 0.08, 0.12}) {
        const double expected = 1000.0 - 980.0 * HalfSpaceRatio(depth, 3600.0);
        EXPECT_NEAR(solver.at(0.0, depth), expected, 2.0) << "depth " << depth;
    }
}

TEST(HeatSolver, MatchesTheProductSolutionAtACorner) {
    const Material m = MakeConstantMaterial(kConductivity, kVolumetricHeat);
    Section s;
    s.width = 0.2;
    s.height = 0.2;
    s.spacing = 0.0025;
    s.left = Face::Fixed;
    s.bottom = Face::Fixed;
    s.right = Face::Adiabatic;
    s.top = Face::Adiabatic;
    HeatSolver solver(m, s, FixedSurface());
    solver.advance(1800.0);
    for (const auto& [x, y] :
         {std::pair{0.01, 0.01}, {0.02, 0.01}, {0.03, 0.03}, {0.05, 0.02}, {0.06, 0.06}}) {
        const double ratio = HalfSpaceRatio(x, 1800.0) * HalfSpaceRatio(y, 1800.0);
        EXPECT_NEAR(solver.at(x, y), 1000.0 - 980.0 * ratio, 2.0) << x << ", " << y;
    }
    // Along the bisector the corner must be hotter than the 1-D profile at the same depth.
    EXPECT_GT(solver.at(0.03, 0.03), 1000.0 - 980.0 * HalfSpaceRatio(0.03, 1800.0) + 50.0);
}

TEST(HeatSolver, SettlesAtTheGasTemperatureWhenOnlyTheFireFaceIsOpen) {
    // Through the moisture peak and up to the gas: no heat may be made or lost on the way.
    const Material m = MakeMaterial("moist", NormalWeightConcrete{});
    Section s;
    s.width = 0.03;
    s.height = 0.03;
    s.spacing = 0.005;
    s.left = s.right = s.top = Face::Adiabatic;
    s.bottom = Face::Fire;
    Exposure e;
    e.gas = [](double) { return 600.0; };
    HeatSolver solver(m, s, e);
    solver.advance(20.0 * 3600.0);
    for (int j = 0; j < solver.nodesY(); ++j) {
        for (int i = 0; i < solver.nodesX(); ++i) {
            EXPECT_NEAR(solver.node(i, j), 600.0, 0.05);
        }
    }
}

TEST(Materials, EnthalpyAndTemperatureAreInverse) {
    for (Concrete c : {Concrete::NormalWeight, Concrete::Dacite, Concrete::Pumice}) {
        const Material m = MakeConcrete(c);
        int hint = 0;
        for (double t : {0.0, 20.0, 99.9, 100.1, 107.0, 150.0, 400.0, 1000.0, 1300.0}) {
            EXPECT_NEAR(m.temperature(m.enthalpy(t)), t, 1e-9) << m.name() << ' ' << t;
            EXPECT_NEAR(m.temperature(m.enthalpy(t), hint), t, 1e-9) << m.name() << ' ' << t;
        }
    }
}

TEST(Materials, FollowTheStandardFormulas) {
    EXPECT_NEAR(ConductivityLowerLimit(20.0), 1.36 - 0.136 * 0.2 + 0.0057 * 0.04, 1e-12);
    EXPECT_NEAR(ConductivityUpperLimit(1200.0), 2.0 - 0.2451 * 12 + 0.0107 * 144, 1e-12);
    EXPECT_DOUBLE_EQ(SpecificHeatNormalWeight(50.0, 1.5), 900.0);
    EXPECT_DOUBLE_EQ(SpecificHeatNormalWeight(110.0, 1.5), 1470.0);
    EXPECT_DOUBLE_EQ(SpecificHeatNormalWeight(110.0, 0.0), 900.0);
    EXPECT_DOUBLE_EQ(SpecificHeatNormalWeight(300.0, 1.5), 1050.0);
    EXPECT_DOUBLE_EQ(SpecificHeatNormalWeight(800.0, 1.5), 1100.0);
    EXPECT_DOUBLE_EQ(DensityNormalWeight(400.0, 2300.0), 2300.0 * 0.95);
    EXPECT_DOUBLE_EQ(DensityNormalWeight(1200.0, 2300.0), 2300.0 * 0.88);
    // The light-weight moisture peak holds the latent heat of the water it stands for.
    double area = 0.0;
    for (double t = 100.0; t < 200.0; t += 0.01) {
        area += MoisturePeak(t + 0.005, 3.0) * 0.01;
    }
    EXPECT_NEAR(area, 0.03 * 2.257e6, 0.001 * 0.03 * 2.257e6);
}

TEST(Fires, StandardAndCompartmentCurves) {
    EXPECT_NEAR(Iso834(60.0), 945.3, 0.05);
    EXPECT_NEAR(Iso834(30.0), 841.8, 0.05);
    EXPECT_NEAR(Iso834(240.0), 1152.8, 0.05);
    const LieFire fire(74, 0.04);
    // Duration from the wood burnt at Kawagoe's rate through the opening.
    EXPECT_NEAR(fire.durationHours(), 74 * 0.3125 / (330.0 * 0.04), 1e-12);
    EXPECT_NEAR(fire.gas(fire.durationHours() - 1e-9), fire.peakTemperature(), 1e-3);
    EXPECT_NEAR(fire.gas(fire.durationHours() * 1.5), fire.peakTemperature() - 300.0, 1e-9);
    EXPECT_DOUBLE_EQ(fire.gas(fire.endHours() + 1.0), 20.0);
    EXPECT_DOUBLE_EQ(fire.gas(0.0), 20.0);
    // More ventilation burns hotter and shorter.
    const LieFire open(74, 0.15);
    EXPECT_LT(open.durationHours(), fire.durationHours());
    EXPECT_GT(open.gas(0.2), fire.gas(0.2));
}

// Halving the grid (and with it the explicit step) must not move a tabulated value by more than
// 2 degC; reduced cases of each kind stand for the full set.
TEST(GridStudy, HalvingTheSpacingChangesNoTabulatedValueByMoreThanTwoDegrees) {
    const Options o;
    const Material m = MakeConcrete(Concrete::NormalWeight);
    const auto slabDepths = Depths(200.0, 5.0);
    const auto a = SlabStandardProfiles(m, 200.0, slabDepths, {60, 240}, o.slabSpacing);
    const auto b = SlabStandardProfiles(m, 200.0, slabDepths, {60, 240}, 0.5 * o.slabSpacing);
    for (std::size_t r = 0; r < a.size(); ++r) {
        for (std::size_t i = 0; i < slabDepths.size(); ++i) {
            EXPECT_NEAR(a[r][i], b[r][i], 2.0) << "slab depth " << slabDepths[i];
        }
    }
    const auto beamDepths = BeamDepths(100, o);
    const auto c = BeamStandardProfiles(m, 100.0, beamDepths, {60}, o.beamSpacing, o.beamMargin);
    const auto d =
        BeamStandardProfiles(m, 100.0, beamDepths, {60}, 0.5 * o.beamSpacing, o.beamMargin);
    for (std::size_t i = 0; i < beamDepths.size(); ++i) {
        EXPECT_NEAR(c[0][i], d[0][i], 2.0) << "beam depth " << beamDepths[i];
    }
    const LieFire fire(37, 0.15);
    const auto e = BeamPeakProfile(m, fire, 75.0, Depths(37.5, 5.0), o.beamSpacing, o.beamMargin);
    const auto f =
        BeamPeakProfile(m, fire, 75.0, Depths(37.5, 5.0), 0.5 * o.beamSpacing, o.beamMargin);
    for (std::size_t i = 0; i < e.size(); ++i) {
        EXPECT_NEAR(e[i], f[i], 2.0) << "peak depth " << i;
    }
}

// The deepest points of the widest block lie on the centre line up to 600 mm above the soffit;
// the adiabatic top, a margin above them, must not warm them: doubling the margin changes
// nothing that the files print.
TEST(BeamSection, TopMarginDoesNotReachTheDeepestTabulatedPoints) {
    const Options o;
    const Material m = MakeConcrete(Concrete::NormalWeight);
    const std::vector<double> depths = {250, 300, 400, 500, 600};
    const auto a = BeamStandardProfiles(m, 600, depths, {240}, o.beamSpacing, o.beamMargin);
    const auto b = BeamStandardProfiles(m, 600, depths, {240}, o.beamSpacing, 2 * o.beamMargin);
    const LieFire longest(111, 0.01);
    const auto c = BeamPeakProfile(m, longest, 600, depths, o.beamSpacing, o.beamMargin);
    const auto d = BeamPeakProfile(m, longest, 600, depths, o.beamSpacing, 2 * o.beamMargin);
    for (std::size_t i = 0; i < depths.size(); ++i) {
        EXPECT_NEAR(a[0][i], b[0][i], 0.05) << "standard fire, depth " << depths[i];
        EXPECT_NEAR(c[i], d[i], 0.2) << "compartment fire, depth " << depths[i];
    }
}

// A block that does not fall to 750 degC within the probe must belong to a rib that is above
// 750 degC over its whole height, not to one whose crossing lies just deeper: the centre line
// has levelled off well before the probe's end. The two closest cases of the files.
TEST(BeamSection, RibsWithout750DegreeDepthHaveLevelledOffWithinTheProbe) {
    const Options o;
    const Material m = MakeConcrete(Concrete::NormalWeight);
    const std::vector<double> depths = {0.75 * o.beamDamageProbe, o.beamDamageProbe};
    const auto narrow =
        BeamPeakProfile(m, LieFire(37, 0.04), 50, depths, o.beamSpacing, o.beamMargin);
    const auto wider =
        BeamPeakProfile(m, LieFire(74, 0.02), 100, depths, o.beamSpacing, o.beamMargin);
    for (const std::vector<double>& t : {narrow, wider}) {
        EXPECT_GT(t[1], 750.0);
        EXPECT_LT(t[0] - t[1], 1.0);
    }
}

TEST(PeakProfile, IsTheHighestTemperatureOverTheFireAndItsCooling) {
    const Material m = MakeConcrete(Concrete::NormalWeight);
    const LieFire fire(37, 0.08);
    const std::vector<double> depths = {0, 20, 100, 200};
    const auto peaks = SlabPeakProfile(m, fire, 200.0, depths, 0.0025);
    // The deep points peak long after the fire: their peak exceeds what they had at its end.
    Section s;
    s.height = 0.2;
    s.spacing = 0.0025;
    Exposure e;
    e.gas = [&](double seconds) { return fire.gas(seconds / 3600.0); };
    HeatSolver solver(m, s, e);
    solver.advance(fire.endHours() * 3600.0);
    EXPECT_GT(peaks[2], solver.at(0.0, 0.1) + 1.0);
    EXPECT_GT(peaks[3], solver.at(0.0, 0.2) + 1.0);
    for (std::size_t i = 1; i < peaks.size(); ++i) {
        EXPECT_LT(peaks[i], peaks[i - 1]);
    }
    EXPECT_LT(peaks[0], fire.peakTemperature());
}

}  // namespace
}  // namespace tempgen

namespace tempgen {
namespace {

// Far from the sides the 2-D section must give what the 1-D slab gives: two independent paths
// through the solver, grids and boundaries.
TEST(HeatSolver, WideSectionCentreLineFollowsTheSlabProfile) {
    const Options o;
    const Material m = MakeConcrete(Concrete::NormalWeight);
    const std::vector<double> depths = {0, 10, 20, 30, 40, 60};
    std::vector<std::pair<double, double>> centre;
    for (double d : depths) {
        centre.emplace_back(300.0, d);
    }
    const auto beam = BeamStandardAtPoints(m, 600.0, centre, {60}, o.beamSpacing, o.beamMargin);
    const auto slab = SlabStandardProfiles(m, 200.0, depths, {60}, o.slabSpacing);
    for (std::size_t i = 0; i < depths.size(); ++i) {
        EXPECT_NEAR(beam[0][i], slab[0][i], 2.0) << "depth " << depths[i];
    }
}

}  // namespace
}  // namespace tempgen
