#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ExampleMembers.h"
#include "calc/StrengthAndCapacity.h"
#include "model/CalculationError.h"

using namespace fd9;
using testing::HasSubstr;
using testing::ThrowsMessage;

namespace {

// Each formula at, just past and beyond its edges.
TEST(StrengthAndCapacity, ReducedStrengthsKeepTheQuotedShare) {
    using S = SteelType;
    using C = ConcreteType;
    const struct {
        S type;
        double temp, factor;
    } steel[] = {
        {S::ReinforcingBar, 20, 0.99503},  {S::ReinforcingBar, 500, 0.55654},
        {S::ReinforcingBar, 600, 0.37720}, {S::ReinforcingBar, 600.0001, 0.37778},
        {S::ReinforcingBar, 1000, 0},      {S::ReinforcingBar, 1100, 0},
        {S::PrestressingStrand, 150, 1},   {S::PrestressingStrand, 150.0001, 0.99727},
        {S::PrestressingStrand, 698.5, 0}, {S::PrestressingStrand, 800, 0},
    };
    for (const auto& c : steel) {
        SCOPED_TRACE(testing::Message() << int(c.type) << " at " << c.temp);
        EXPECT_NEAR(ReducedSteelStrength(300, c.temp, c.type) / 300, c.factor, 5e-6);
    }
    const struct {
        C type;
        double temp, factor;
    } concrete[] = {{C::NormalWeight, 350, 1},
                    {C::NormalWeight, 350.5, 1.012727},
                    {C::NormalWeight, 355, 1.0045},
                    {C::NormalWeight, 360, 0.99545},
                    {C::AlluvialQuartz, 360, 0.99545},
                    {C::Dacite, 907.5, 0},
                    {C::LightWeight, 500, 1},
                    {C::LightWeight, 800, 0.4},
                    {C::Pumice, 800, 0.4}};
    for (const auto& c : concrete) {
        SCOPED_TRACE(testing::Message() << int(c.type) << " at " << c.temp);
        EXPECT_NEAR(ReducedConcreteStrength(40, c.temp, c.type) / 40, c.factor, 5e-5);
    }
}

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

// The applied-moment example slab, its bars at 400 degC and its compression zone at 350 degC.
FloorModel SlabExample() {
    FloorModel model;
    examples::SlabSection(model, 150);
    examples::Loads(model, 6);
    model.PosSteelArea = static_cast<float>(4 * 12.0 * 12.0 * 3.14159265 / 4);
    model.PosSteelTemp = 400;
    model.PosConcTemp = 350;
    model.PosReducedDepth = 120;
    model.PosReducedWidth = 1000;
    return model;
}

TEST(StrengthAndCapacity, SlabWorkedExampleGives11_17kNmAgainst27_9kNmApplied) {
    FloorModel model = SlabExample();
    ReduceSteelStrengths(model);
    ReduceConcreteStrengths(model);
    ComputeStressBlockDepths(model);
    ComputePosMomentCapacity(model);
    ComputeAppliedMoment(model);
    EXPECT_NEAR(model.PosReducedSteelStrength, 209.66, 5e-3);
    EXPECT_FLOAT_EQ(model.PosReducedConcStrength, 25);
    EXPECT_NEAR(model.PosStressBlockDepth, 4.463, 5e-4);
    EXPECT_NEAR(model.PosMomentCapacity, 11.17, 5e-3);
    EXPECT_NEAR(model.AppliedMoment, 27.9, 1e-5);

    model.Selected.PosSteelType = SteelType::PrestressingStrand;
    model.PosReducedSteelStrength = 1500;
    ApplyPrestressingStress(model);
    // 1500 x (1 - 452.389 x 1500 / (2 x 1000 x 120 x 25)) = 1500 x (1 - 0.1130973)
    EXPECT_NEAR(model.PosReducedSteelStrength, 1330.354, 1e-3);
}

TEST(StrengthAndCapacity, ReducedWidthsDiscountTheDamagedSides) {
    const struct {
        FloorType floor;
        float pos, neg;
    } cases[] = {{FloorType::Beam, 95, 85},
                 {FloorType::DoubleTee, 2400, 170},
                 {FloorType::TeeBeam, 2400, 85},
                 {FloorType::Slab, 125, 125}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.floor));
        FloorModel model{.OverallWidth = 2400,
                         .SectionWidth = 125,
                         .PosDamagedDepth = 15,
                         .NegDamagedDepth = 20,
                         .Selected = {.FloorType = c.floor}};
        ComputeReducedWidths(model);
        EXPECT_FLOAT_EQ(model.PosReducedWidth, c.pos);
        EXPECT_FLOAT_EQ(model.NegReducedWidth, c.neg);
    }
}

TEST(StrengthAndCapacity, SimplySupportedLeavesNegativeStrengthAndDepthsAlone) {
    FloorModel model{.SectionDepth = 500,
                     .PosSteelStrength = 300,
                     .NegSteelStrength = 300,
                     .PosCentroid = 50,
                     .NegCentroid = 40,
                     .NegEffectiveDepth = -1,
                     .NegReducedSteelStrength = -1,
                     .Selected = {.FloorType = FloorType::Beam}};
    ReduceSteelStrengths(model);
    ComputeEffectiveDepths(model);
    ComputeReducedDepths(model);
    EXPECT_FLOAT_EQ(model.PosEffectiveDepth, 450);
    EXPECT_FLOAT_EQ(model.NegReducedSteelStrength, -1);
    EXPECT_FLOAT_EQ(model.NegEffectiveDepth, -1);
}

// Beams and non-standard fires are not rated for insulation, and a member too thin for the first
// band rates 0 whatever an earlier run rated.
TEST(StrengthAndCapacity, InsulationRatingOfTheMember) {
    FloorModel model{
        .SectionDepth = 200, .InsulationRating = 30, .Selected = {.FloorType = FloorType::Beam}};
    ComputeInsulationRating(model);
    EXPECT_EQ(model.InsulationRating, 30);
    model.Selected.FloorType = FloorType::Slab;
    model.Selected.DesignFire = DesignFire::NonStandard;
    ComputeInsulationRating(model);
    EXPECT_EQ(model.InsulationRating, 30);
    model = {.SectionDepth = 45, .InsulationRating = 240, .Selected = {}};
    ComputeInsulationRating(model);
    EXPECT_EQ(model.InsulationRating, 0);
}

// Arithmetic that would give NaN or infinity stops with the engineer's words instead.
TEST(StrengthAndCapacitySound, StepsStopWithAMessageInsteadOfNaN) {
    using M = FloorModel;
    const std::string noWidth = "consumed the whole width of the compression zone (reduced width";
    const struct {
        void (*step)(FloorModel&);
        std::vector<std::pair<float M::*, float>> set;
        std::string words;
    } cases[] = {
        {ComputeStressBlockDepths, {{&M::PosReducedWidth, 0}}, noWidth},
        // A negative number keeps the blank before its sign.
        {ComputeStressBlockDepths,
         {{&M::PosReducedWidth, -5.833328f}},
         "(reduced width -5.833328 mm)"},
        {ComputeStressBlockDepths,
         {{&M::PosConcTemp, 1000}, {&M::PosReducedConcStrength, 0}},
         "has lost all its strength at 1000 deg C"},
        {ApplyPrestressingStress,
         {{&M::PosReducedDepth, 0}},
         "above the compression face (reduced depth 0 mm)"},
        {ApplyPrestressingStress, {{&M::PosReducedWidth, 0}}, noWidth},
        {ReduceSteelStrengths,
         {{&M::PosSteelTemp, -5}},
         "The reduced strength of the positive moment steel could not be worked out"},
        {ComputeAppliedMoment,
         {{&M::DeadLoad, 3e38f}, {&M::Span, 10}},
         "The applied moment could not be worked out: it is not a finite number."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words);
        FloorModel model = SlabExample();
        model.PosReducedSteelStrength = 200;
        model.PosReducedConcStrength = 25;
        for (auto [field, value] : c.set) {
            model.*field = value;
        }
        EXPECT_THAT([&] { c.step(model); }, ThrowsMessage<CalculationError>(HasSubstr(c.words)));
    }

    // Continuous: no negative zone without negative steel, a stop when it has no width.
    FloorModel model = SlabExample();
    model.Selected.SupportCondition = SupportCondition::Continuous;
    model.PosReducedSteelStrength = 200;
    model.PosReducedConcStrength = 25;
    model.NegStressBlockDepth = 99;
    ComputeStressBlockDepths(model);
    EXPECT_FLOAT_EQ(model.NegStressBlockDepth, 0);
    model.NegSteelArea = 400;
    model.NegReducedConcStrength = 20;
    EXPECT_THAT([&] { ComputeStressBlockDepths(model); },
                ThrowsMessage<CalculationError>(HasSubstr("negative moment compression zone")));
    // Half a millimetre of zone still holds a block: 85 x 400 / (0.85 x 20 x 0.5).
    model.NegReducedWidth = 0.5f;
    model.NegReducedSteelStrength = 85;
    ComputeStressBlockDepths(model);
    EXPECT_FLOAT_EQ(model.NegStressBlockDepth, 4000);
}

}  // namespace
