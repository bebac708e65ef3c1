#include "calc/PreCalculationChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace fd9 {
namespace {

std::string Needs(int cover) {
    return "NZS 3101 Table 5.5 requires at least " + std::to_string(cover) +
           " mm cover to the face of the bar";
}

const std::string Passes = " ";
const std::string Min17_5 = "Specified concrete strength must be at least 17.5 MPa";

using E = ExposureClass;

std::string FormatMpa(float strength) {
    return strength == 17.5f ? "17.5" : std::to_string(static_cast<int>(strength));
}

// Each exposure row of the cover table, tried at both ends of every strength band: a cover
// 0.1 mm short gives the band's message (however short), the full cover passes.
TEST(CoverRule, GivesTheMessageOfTheBandContainingTheStrength) {
    const struct {
        E exposure;
        float minimum;
        std::vector<std::pair<float, int>> bands;  // lower strength limit, cover
    } rows[] = {
        {E::A1,
         17.5f,
         {{17.5f, 30}, {20, 25}, {25, 25}, {30, 20}, {40, 20}, {50, 20}, {60, 15}, {70, 15}}},
        {E::A2,
         17.5f,
         {{17.5f, 50}, {20, 40}, {25, 35}, {30, 30}, {40, 25}, {50, 25}, {60, 20}, {70, 20}}},
        {E::B1,
         17.5f,
         {{17.5f, 65}, {20, 50}, {25, 40}, {30, 35}, {40, 30}, {50, 30}, {60, 25}, {70, 25}}},
        {E::B2, 25, {{25, 50}, {30, 45}, {40, 40}, {50, 35}, {60, 30}, {70, 30}}},
        // From 70 MPa class C asks for less cover than the band below it.
        {E::C, 50, {{50, 70}, {60, 65}, {70, 60}}},
    };
    FloorModel model;
    const auto message = [&](float strength, float cover) {
        model.ConcreteStrength = strength;
        return CoverRuleMessage(model, cover);
    };
    for (const auto& row : rows) {
        model.Selected.Exposure = row.exposure;
        SCOPED_TRACE(static_cast<int>(row.exposure));
        const std::string minimum =
            "Specified concrete strength must be at least " + FormatMpa(row.minimum) + " MPa";
        EXPECT_EQ(message(row.minimum - 0.1f, 100), minimum);
        for (std::size_t i = 0; i < row.bands.size(); ++i) {
            const auto [low, cover] = row.bands[i];
            const float high = i + 1 < row.bands.size() ? row.bands[i + 1].first : 90;
            // B1 from 70 MPa has always shown the message without its last words.
            const std::string needs = row.exposure == E::B1 && low == 70
                                          ? "NZS 3101 Table 5.5 requires at least 25 mm cover"
                                          : Needs(cover);
            for (float strength : {low, high - 0.1f}) {
                SCOPED_TRACE(strength);
                EXPECT_EQ(message(strength, cover - 0.1f), needs);
                EXPECT_EQ(message(strength, 1), needs);
                EXPECT_EQ(message(strength, static_cast<float>(cover)), Passes);
            }
        }
    }
}

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
