#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/StrengthAndCapacity.h"
#include "model/CalculationError.h"

using namespace fd9;

namespace {

void ExpectNear(double actual, double expected, double absolute, double relative = 0) {
    EXPECT_NEAR(actual, expected, std::max(absolute, relative * std::abs(expected)));
}

struct SteelCase {
    const char* name;
    SteelType type;
    double temp;
    double factor;
};

class ReducedSteel : public testing::TestWithParam<SteelCase> {};

TEST_P(ReducedSteel, KeepsTheQuotedShareOfYield) {
    const SteelCase& c = GetParam();
    ExpectNear(ReducedSteelStrength(300, c.temp, c.type) / 300, c.factor, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(
    QuotedTemperatures, ReducedSteel,
    testing::Values(SteelCase{"Bar20", SteelType::ReinforcingBar, 20, 0.99503},
                    SteelCase{"Bar500", SteelType::ReinforcingBar, 500, 0.55654},
                    SteelCase{"Bar600FirstFormula", SteelType::ReinforcingBar, 600, 0.37720},
                    SteelCase{"BarJustAbove600", SteelType::ReinforcingBar, 600.0001, 0.37778},
                    SteelCase{"Bar1000", SteelType::ReinforcingBar, 1000, 0},
                    SteelCase{"Bar1100ClampedAtZero", SteelType::ReinforcingBar, 1100, 0},
                    SteelCase{"Strand150", SteelType::PrestressingStrand, 150, 1},
                    SteelCase{"StrandJustAbove150", SteelType::PrestressingStrand, 150.0001,
                              0.99727},
                    SteelCase{"Strand698_5", SteelType::PrestressingStrand, 698.5, 0},
                    SteelCase{"Strand800ClampedAtZero", SteelType::PrestressingStrand, 800, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ConcreteCase {
    const char* name;
    ConcreteType type;
    double temp;
    double factor;
};

class ReducedConcrete : public testing::TestWithParam<ConcreteCase> {};

TEST_P(ReducedConcrete, KeepsTheQuotedShareOfFc) {
    const ConcreteCase& c = GetParam();
    ExpectNear(ReducedConcreteStrength(40, c.temp, c.type) / 40, c.factor, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(
    QuotedTemperatures, ReducedConcrete,
    testing::Values(ConcreteCase{"Normal350", ConcreteType::NormalWeight, 350, 1},
                    ConcreteCase{"Normal350_5PastTheKnee", ConcreteType::NormalWeight, 350.5,
                                 1.012727},
                    ConcreteCase{"Normal355AboveFc", ConcreteType::NormalWeight, 355, 1.0045},
                    ConcreteCase{"Normal360", ConcreteType::NormalWeight, 360, 0.99545},
                    ConcreteCase{"Quartz360", ConcreteType::AlluvialQuartz, 360, 0.99545},
                    ConcreteCase{"Dacite907_5", ConcreteType::Dacite, 907.5, 0},
                    ConcreteCase{"Light500", ConcreteType::LightWeight, 500, 1},
                    ConcreteCase{"Light800", ConcreteType::LightWeight, 800, 0.4},
                    ConcreteCase{"Pumice800", ConcreteType::Pumice, 800, 0.4}),
    [](const auto& info) { return std::string(info.param.name); });

// Each table's lower band edges: an edge holds its band, a slab just thinner the band before.
TEST(Insulation, EveryBandHoldsItsLowerEdge) {
    const std::array<int, 6> minutes{30, 60, 90, 120, 180, 240};
    const std::array<double, 6> normal{50, 75, 95, 110, 140, 165};
    const std::array<double, 6> light{40, 55, 70, 80, 100, 120};
    const struct {
        ConcreteType type;
        std::array<double, 6> edges;
    } tables[] = {{ConcreteType::NormalWeight, normal},
                  {ConcreteType::AlluvialQuartz, normal},
                  {ConcreteType::LightWeight, light},
                  {ConcreteType::Pumice, light},
                  {ConcreteType::Dacite, {45, 70, 90, 105, 135, 160}}};
    for (const auto& table : tables) {
        for (std::size_t band = 0; band < minutes.size(); ++band) {
            const double edge = table.edges[band];
            SCOPED_TRACE(testing::Message() << "concrete " << int(table.type) << ", " << edge);
            EXPECT_EQ(InsulationRatingFor(edge, table.type), minutes[band]);
            EXPECT_EQ(InsulationRatingFor(edge - 0.1, table.type), band ? minutes[band - 1] : 0);
        }
    }
}

FloorModel SlabExample() {
    FloorModel model;
    model.Selected.FloorType = FloorType::Slab;
    model.SectionWidth = 1000;
    model.SectionDepth = 150;
    model.PosSteelArea = static_cast<float>(4 * 12.0 * 12.0 * 3.14159265 / 4);
    model.PosSteelStrength = 300;
    model.PosSteelTemp = 400;
    model.PosConcTemp = 350;
    model.ConcreteStrength = 25;
    model.PosReducedDepth = 120;
    model.PosReducedWidth = 1000;
    return model;
}

TEST(StrengthAndCapacity, SlabWorkedExampleGives11_17kNm) {
    FloorModel model = SlabExample();
    ReduceSteelStrengths(model);
    ReduceConcreteStrengths(model);
    ComputeStressBlockDepths(model);
    ComputePosMomentCapacity(model);
    ExpectNear(model.PosSteelArea, 452.389, 5e-4);
    ExpectNear(model.PosReducedSteelStrength, 209.66, 5e-3);
    EXPECT_FLOAT_EQ(model.PosReducedConcStrength, 25);
    ExpectNear(model.PosStressBlockDepth, 4.463, 5e-4);
    ExpectNear(model.PosMomentCapacity, 11.17, 5e-3);
}

TEST(StrengthAndCapacity, AppliedMomentExample) {
    FloorModel model;
    model.DeadLoad = 5;
    model.LiveLoad = 3;
    model.DeadLoadFactor = 1;
    model.LiveLoadFactor = 0.4f;
    model.Span = 6;
    ComputeAppliedMoment(model);
    ExpectNear(model.AppliedMoment, 27.9, 1e-5);
}

TEST(StrengthAndCapacity, PrestressingStressReducesTheStrandStress) {
    FloorModel model = SlabExample();
    model.Selected.PosSteelType = SteelType::PrestressingStrand;
    model.PosReducedSteelStrength = 1500;
    model.PosReducedConcStrength = 25;
    ApplyPrestressingStress(model);
    const double expected =
        1500 * (1 - double(model.PosSteelArea) * 1500 / (2 * 1000 * 120 * 25.0));
    ExpectNear(model.PosReducedSteelStrength, expected, 1e-3);
}

struct WidthCase {
    const char* name;
    FloorType floor;
    float posWidth;
    float negWidth;
};

class ReducedWidths : public testing::TestWithParam<WidthCase> {};

TEST_P(ReducedWidths, DiscountTheDamagedSides) {
    const WidthCase& c = GetParam();
    FloorModel model;
    model.Selected.FloorType = c.floor;
    model.SectionWidth = 125;
    model.OverallWidth = 2400;
    model.PosDamagedDepth = 15;
    model.NegDamagedDepth = 20;
    ComputeReducedWidths(model);
    EXPECT_FLOAT_EQ(model.PosReducedWidth, c.posWidth);
    EXPECT_FLOAT_EQ(model.NegReducedWidth, c.negWidth);
}

INSTANTIATE_TEST_SUITE_P(FloorTypes, ReducedWidths,
                         testing::Values(WidthCase{"Beam", FloorType::Beam, 95, 85},
                                         WidthCase{"DoubleTeeTwoRibs", FloorType::DoubleTee, 2400,
                                                   170},
                                         WidthCase{"TeeBeam", FloorType::TeeBeam, 2400, 85},
                                         WidthCase{"SlabIgnoresDamage", FloorType::Slab, 125, 125}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StrengthAndCapacity, SimplySupportedLeavesNegativeStrengthAndDepthsAlone) {
    FloorModel model;
    model.Selected.FloorType = FloorType::Beam;
    model.SectionDepth = 500;
    model.PosCentroid = 50;
    model.NegCentroid = 40;
    model.PosSteelStrength = 300;
    model.NegSteelStrength = 300;
    model.NegReducedSteelStrength = -1;
    model.NegEffectiveDepth = -1;
    ReduceSteelStrengths(model);
    ComputeEffectiveDepths(model);
    ComputeReducedDepths(model);
    EXPECT_FLOAT_EQ(model.PosEffectiveDepth, 450);
    EXPECT_FLOAT_EQ(model.NegReducedSteelStrength, -1);
    EXPECT_FLOAT_EQ(model.NegEffectiveDepth, -1);
}

TEST(StrengthAndCapacity, DoubleTeeIsRatedOnItsFlangeAndBeamsOrNonStandardFiresNotAtAll) {
    FloorModel model;
    model.Selected.FloorType = FloorType::DoubleTee;
    model.Selected.ConcreteType = ConcreteType::NormalWeight;
    model.OverallDepth = 480;
    model.RibDepth = 350;
    model.SectionDepth = 480;
    ComputeInsulationRating(model);
    EXPECT_FLOAT_EQ(model.SectionDepth, 130);
    EXPECT_EQ(model.InsulationRating, 120);
    model.SectionDepth = 200;
    model.InsulationRating = 30;
    model.Selected.FloorType = FloorType::Beam;
    ComputeInsulationRating(model);
    EXPECT_EQ(model.InsulationRating, 30);
    model.Selected.FloorType = FloorType::Slab;
    model.Selected.DesignFire = DesignFire::NonStandard;
    ComputeInsulationRating(model);
    EXPECT_EQ(model.InsulationRating, 30);
}

// An earlier run's rating must not survive into a member too thin to rate.
TEST(StrengthAndCapacitySound, MemberThinnerThanFirstBandRatesZero) {
    FloorModel model;
    model.Selected.FloorType = FloorType::Slab;
    model.SectionDepth = 45;
    model.InsulationRating = 240;
    ComputeInsulationRating(model);
    EXPECT_EQ(model.InsulationRating, 0);
}

struct StopCase {
    const char* name;
    void (*arrange)(FloorModel&);
    void (*act)(FloorModel&);
    const char* words;
};

class StopsWithoutVerdict : public testing::TestWithParam<StopCase> {};

TEST_P(StopsWithoutVerdict, ThrowsAnEngineersMessage) {
    const StopCase& c = GetParam();
    FloorModel model = SlabExample();
    model.PosReducedSteelStrength = 200;
    model.PosReducedConcStrength = 25;
    c.arrange(model);
    try {
        c.act(model);
        FAIL() << "no stop";
    } catch (const CalculationError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find(c.words), std::string::npos) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, StopsWithoutVerdict,
    testing::Values(
        StopCase{"StressBlockWithoutWidth", [](FloorModel& m) { m.PosReducedWidth = 0; },
                 ComputeStressBlockDepths,
                 "consumed the whole width of the compression zone (reduced width"},
        // A negative number keeps the blank before its sign.
        StopCase{"StressBlockWithNegativeWidth",
                 [](FloorModel& m) { m.PosReducedWidth = -5.833328f; }, ComputeStressBlockDepths,
                 "(reduced width -5.833328 mm)"},
        StopCase{"StressBlockWithoutConcreteStrength",
                 [](FloorModel& m) {
                     m.PosConcTemp = 1000;
                     m.PosReducedConcStrength = 0;
                 },
                 ComputeStressBlockDepths, "has lost all its strength at 1000 deg C"},
        StopCase{"NegativeStressBlockWithoutWidth",
                 [](FloorModel& m) {
                     m.Selected.SupportCondition = SupportCondition::Continuous;
                     m.NegSteelArea = 400;
                     m.NegReducedConcStrength = 20;
                     m.NegReducedWidth = 0;
                 },
                 ComputeStressBlockDepths, "negative moment compression zone"},
        StopCase{"PrestressWithoutDepth", [](FloorModel& m) { m.PosReducedDepth = 0; },
                 ApplyPrestressingStress, "above the compression face (reduced depth 0 mm)"},
        StopCase{"PrestressWithoutWidth", [](FloorModel& m) { m.PosReducedWidth = 0; },
                 ApplyPrestressingStress,
                 "consumed the whole width of the compression zone (reduced width"},
        StopCase{"SteelBelowZeroDegrees", [](FloorModel& m) { m.PosSteelTemp = -5; },
                 ReduceSteelStrengths,
                 "The reduced strength of the positive moment steel could not be worked out"},
        StopCase{"AppliedMomentOverflowsFloat",
                 [](FloorModel& m) {
                     m.DeadLoadFactor = 1;
                     m.DeadLoad = 3e38f;
                     m.Span = 10;
                 },
                 ComputeAppliedMoment,
                 "The applied moment could not be worked out: it is not a finite number."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StrengthAndCapacitySound, ContinuousWithoutNegativeSteelNeedsNoNegativeZone) {
    FloorModel model = SlabExample();
    model.Selected.SupportCondition = SupportCondition::Continuous;
    model.PosReducedSteelStrength = 200;
    model.PosReducedConcStrength = 25;
    model.NegSteelArea = 0;
    model.NegReducedWidth = 0;
    model.NegStressBlockDepth = 99;
    ComputeStressBlockDepths(model);
    EXPECT_FLOAT_EQ(model.NegStressBlockDepth, 0);
}

}  // namespace
