#include "calc/PreCalculationChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace fd9 {
namespace {

std::string Needs(int cover) {
    return "NZS 3101 Table 5.5 requires at least " + std::to_string(cover) +
           " mm cover to the face of the bar";
}

const std::string Passes = " ";
const std::string Min17_5 = "Specified concrete strength must be at least 17.5 MPa";

struct RuleCase {
    const char* name;
    ExposureClass exposure;
    float strength;
    float minClearCover;
    std::string expected;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

class CoverRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CoverRuleTest, GivesTheMessageOfTheBandContainingTheStrength) {
    const RuleCase& c = GetParam();
    FloorModel model;
    model.Selected.Exposure = c.exposure;
    model.ConcreteStrength = c.strength;
    EXPECT_EQ(CoverRuleMessage(model, c.minClearCover), c.expected);
}

using E = ExposureClass;

INSTANTIATE_TEST_SUITE_P(
    Nzs3101, CoverRuleTest,
    ::testing::Values(RuleCase{"A1BelowMinimumStrength", E::A1, 17, 100, Min17_5},
                      RuleCase{"A1AtMinimumStrengthPasses", E::A1, 17.5f, 30, Passes},
                      RuleCase{"A1Below20", E::A1, 17.5f, 29.9f, Needs(30)},
                      RuleCase{"A1At20BelongsToTheNextBand", E::A1, 20, 29, Passes},
                      RuleCase{"A1Below25", E::A1, 20, 24.9f, Needs(25)},
                      RuleCase{"A1Below30", E::A1, 25, 24, Needs(25)},
                      RuleCase{"A1CoverEqualToTheValuePasses", E::A1, 25, 25, Passes},
                      RuleCase{"A1Below40", E::A1, 30, 19.5f, Needs(20)},
                      RuleCase{"A1Below50", E::A1, 49.9f, 19, Needs(20)},
                      RuleCase{"A1Below60", E::A1, 50, 19, Needs(20)},
                      RuleCase{"A1Below70", E::A1, 60, 14, Needs(15)},
                      RuleCase{"A1Below70Passes", E::A1, 60, 19, Passes},
                      RuleCase{"A1From70", E::A1, 70, 14.9f, Needs(15)},
                      RuleCase{"A1TinyCoverGivesTheBandOfTheStrength", E::A1, 45, 5, Needs(20)},
                      RuleCase{"A2BelowMinimumStrength", E::A2, 17.4f, 100, Min17_5},
                      RuleCase{"A2Below20", E::A2, 19, 49, Needs(50)},
                      RuleCase{"A2Below25", E::A2, 24, 39, Needs(40)},
                      RuleCase{"A2Below30", E::A2, 29, 34, Needs(35)},
                      RuleCase{"A2Below40", E::A2, 35, 29, Needs(30)},
                      RuleCase{"A2Below50", E::A2, 45, 24, Needs(25)},
                      RuleCase{"A2Below60", E::A2, 55, 24, Needs(25)},
                      RuleCase{"A2Below70", E::A2, 65, 19, Needs(20)},
                      RuleCase{"A2From70", E::A2, 75, 19, Needs(20)},
                      RuleCase{"A2From70Passes", E::A2, 75, 20, Passes},
                      RuleCase{"B1BelowMinimumStrength", E::B1, 17.4f, 100, Min17_5},
                      RuleCase{"B1Below20", E::B1, 19, 64, Needs(65)},
                      RuleCase{"B1Below25", E::B1, 24, 49, Needs(50)},
                      RuleCase{"B1Below30", E::B1, 29, 39, Needs(40)},
                      RuleCase{"B1Below40", E::B1, 39, 34, Needs(35)},
                      RuleCase{"B1Below50", E::B1, 49, 29, Needs(30)},
                      RuleCase{"B1Below60", E::B1, 59, 29, Needs(30)},
                      RuleCase{"B1Below70HasTheFullMessage", E::B1, 69, 24, Needs(25)},
                      RuleCase{"B1From70HasTheShortMessage", E::B1, 75, 20,
                               "NZS 3101 Table 5.5 requires at least 25 mm cover"},
                      RuleCase{"B1At70HasTheShortMessage", E::B1, 70, 24.9f,
                               "NZS 3101 Table 5.5 requires at least 25 mm cover"},
                      RuleCase{"B1From70Passes", E::B1, 70, 25, Passes},
                      RuleCase{"B2BelowMinimumStrength", E::B2, 24.9f, 100,
                               "Specified concrete strength must be at least 25 MPa"},
                      RuleCase{"B2AtMinimumStrength", E::B2, 25, 49, Needs(50)},
                      RuleCase{"B2AtMinimumStrengthPasses", E::B2, 25, 50, Passes},
                      RuleCase{"B2Below40", E::B2, 30, 44, Needs(45)},
                      RuleCase{"B2Below50", E::B2, 40, 39, Needs(40)},
                      RuleCase{"B2Below60", E::B2, 50, 34, Needs(35)},
                      RuleCase{"B2Below70", E::B2, 60, 29, Needs(30)},
                      RuleCase{"B2From70", E::B2, 70, 29, Needs(30)},
                      RuleCase{"CBelowMinimumStrength", E::C, 49.9f, 100,
                               "Specified concrete strength must be at least 50 MPa"},
                      RuleCase{"CBelow60", E::C, 50, 69, Needs(70)},
                      RuleCase{"CBelow70", E::C, 60, 64, Needs(65)},
                      RuleCase{"CJustBelow70", E::C, 69.9f, 64.9f, Needs(65)},
                      // From 70 MPa class C asks for less cover than the band below it.
                      RuleCase{"CAt70NeedsOnly60", E::C, 70, 64, Passes},
                      RuleCase{"CFrom70", E::C, 80, 55, Needs(60)},
                      RuleCase{"CFrom70Passes", E::C, 80, 60, Passes}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

FloorModel Beam300x500() {
    FloorModel model;
    model.Selected.FloorType = FloorType::Beam;
    model.SectionWidth = 300;
    model.SectionDepth = 500;
    return model;
}

FloorModel Ribbed(FloorType floor, float widthTop = 175, float widthBot = 125) {
    FloorModel model;
    model.Selected.FloorType = floor;
    model.OverallDepth = 480;
    model.OverallWidth = 2400;
    model.RibDepth = 350;
    model.RibWidthTop = widthTop;
    model.RibWidthBot = widthBot;
    return model;
}

// Rib width 200 mm above the soffit of the 175/125 rib, and the cover of a bar 40 mm inside a
// face whose slope from the vertical is atan(50 / 700).
const double WidthAt280 = 125.0 + 50.0 * 200.0 / 350.0;
const float FortyInside = static_cast<float>(40.0 * std::cos(std::atan(1.0 / 14.0)));

struct CoverCase {
    const char* name;
    FloorModel model;
    bool negative;
    float x;
    float y;
    float expected;
};

void PrintTo(const CoverCase& c, std::ostream* os) {
    *os << c.name;
}

class BarCoverTest : public ::testing::TestWithParam<CoverCase> {};

TEST_P(BarCoverTest, MeasuresToTheNearestHeatedFace) {
    const CoverCase& c = GetParam();
    const float cover =
        c.negative ? NegBarCover(c.model, c.x, c.y) : PosBarCover(c.model, c.x, c.y);
    EXPECT_NEAR(cover, c.expected, 1e-4);
}

FloorModel Slab150() {
    FloorModel model;
    model.Selected.FloorType = FloorType::Slab;
    model.SectionWidth = 1000;
    model.SectionDepth = 150;
    return model;
}

const float LeftRibLeftFace = static_cast<float>(600.0 - WidthAt280 / 2.0);
const float RightRibRightFace = static_cast<float>(1800.0 + WidthAt280 / 2.0);
const float TeeRibRightFace = static_cast<float>(1200.0 + WidthAt280 / 2.0);

INSTANTIATE_TEST_SUITE_P(
    Sections, BarCoverTest,
    ::testing::Values(
        CoverCase{"BeamCentreBarToTheSoffit", Beam300x500(), false, 150, 450, 50},
        CoverCase{"BeamCornerBarToTheLeftFace", Beam300x500(), false, 40, 450, 40},
        CoverCase{"BeamCornerBarToTheRightFace", Beam300x500(), false, 265, 450, 35},
        CoverCase{"BeamNegativeBarToTheSide", Beam300x500(), true, 45, 50, 45},
        CoverCase{"BeamNegativeBarToTheSoffit", Beam300x500(), true, 150, 460, 40},
        CoverCase{"SlabPositiveBar", Slab150(), false, 500, 120, 30},
        CoverCase{"SlabNegativeBar", Slab150(), true, 500, 120, 30},
        CoverCase{"DoubleTeeNegativeBarToTheFlangeUnderside", Ribbed(FloorType::DoubleTee), true,
                  100, 40, 90},
        CoverCase{"TeeBeamNegativeBarToTheFlangeUnderside", Ribbed(FloorType::TeeBeam), true, 1200,
                  40, 90},
        CoverCase{"DoubleTeeLeftRibSlopingLeftFace", Ribbed(FloorType::DoubleTee), false,
                  LeftRibLeftFace + 40, 280, FortyInside},
        CoverCase{"DoubleTeeLeftRibSlopingRightFace", Ribbed(FloorType::DoubleTee), false,
                  static_cast<float>(600.0 + WidthAt280 / 2.0 - 40), 280, FortyInside},
        CoverCase{"DoubleTeeRightRibSlopingRightFace", Ribbed(FloorType::DoubleTee), false,
                  RightRibRightFace - 40, 280, FortyInside},
        CoverCase{"TeeBeamSlopingRightFace", Ribbed(FloorType::TeeBeam), false,
                  TeeRibRightFace - 40, 280, FortyInside},
        CoverCase{"RibBarNearTheSoffit", Ribbed(FloorType::DoubleTee), false, 600, 450, 30},
        CoverCase{"VerticalRibFaces", Ribbed(FloorType::DoubleTee, 150, 150), false, 565, 280, 40}),
    [](const ::testing::TestParamInfo<CoverCase>& info) { return std::string(info.param.name); });

TEST(PreCalculationChecksTest, WritesTheCoverOfEveryBarInUse) {
    FloorModel model = Beam300x500();
    model.PosSteel[0] = {150, 450, 20, 0};
    model.PosSteel[1] = {40, 450, 20, 0};
    model.PosSteel[2] = {150, 450, 20, -7};  // beyond the count: stale, untouched
    model.PosSteelCount = 2;
    model.NegSteel[0] = {150, 460, 16, 0};
    model.NegSteelCount = 1;
    model.ConcreteStrength = 30;
    RunPreCalculationChecks(model);
    EXPECT_EQ(model.PosSteel[0][SteelCover], 50.0f);
    EXPECT_EQ(model.PosSteel[1][SteelCover], 40.0f);
    EXPECT_EQ(model.PosSteel[2][SteelCover], -7.0f);
    EXPECT_EQ(model.NegSteel[0][SteelCover], 40.0f);
}

TEST(PreCalculationChecksTest, ClearCoverOf24mmBreaksTheA1RuleAt25MPa) {
    FloorModel model = Beam300x500();
    model.ConcreteStrength = 25;
    model.PosSteel[0] = {150, 466, 20, 0};  // 34 mm to the soffit, 24 mm clear
    model.PosSteelCount = 1;
    EXPECT_EQ(RunPreCalculationChecks(model), Needs(25));
    model.PosSteel[0][SteelY] = 465;
    EXPECT_EQ(RunPreCalculationChecks(model), "");
}

TEST(PreCalculationChecksTest, NegativeBarsCountForASimplySupportedMember) {
    FloorModel model = Beam300x500();
    model.Selected.SupportCondition = SupportCondition::SimplySupported;
    model.ConcreteStrength = 25;
    model.PosSteel[0] = {150, 440, 20, 0};
    model.PosSteelCount = 1;
    model.NegSteel[0] = {20, 50, 16, 0};  // 20 mm to the side face, 12 mm clear
    model.NegSteelCount = 1;
    EXPECT_EQ(RunPreCalculationChecks(model), Needs(25));
}

TEST(PreCalculationChecksTest, StrengthBelowTheMinimumWarnsWhateverTheCover) {
    FloorModel model = Slab150();
    model.ConcreteStrength = 17;
    model.PosSteel[0] = {500, 75, 10, 0};
    model.PosSteelCount = 1;
    EXPECT_EQ(RunPreCalculationChecks(model), Min17_5);
}

}  // namespace
}  // namespace fd9
