#include "calc/GroupProperties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace fd9 {
namespace {

struct Bar {
    float y;
    float diameter;
    float cover;
};

void Fill(SteelTable& table, std::int16_t& count, const std::vector<Bar>& bars) {
    count = static_cast<std::int16_t>(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        table[i] = {100, bars[i].y, bars[i].diameter, bars[i].cover};
    }
    // A stale row just past the count, which must never be read.
    if (bars.size() < table.size()) {
        table[bars.size()] = {100, 1, 1000, 1000};
    }
}

void ExpectClose(float actual, double expected) {
    EXPECT_NEAR(actual, expected, std::max(1e-4, 1e-6 * std::abs(expected)));
}

struct GroupCase {
    const char* name;
    std::vector<Bar> bars;
    double area;
    double effectiveCover;
};

class GroupAreaAndCoverTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupAreaAndCoverTest, BothGroupsWeightTheCoversByArea) {
    const GroupCase& c = GetParam();
    FloorModel model;
    Fill(model.PosSteel, model.PosSteelCount, c.bars);
    Fill(model.NegSteel, model.NegSteelCount, c.bars);
    ComputePosAreaAndCover(model);
    ComputeNegAreaAndCover(model);
    ExpectClose(model.PosSteelArea, c.area);
    ExpectClose(model.PosEffectiveCover, c.effectiveCover);
    ExpectClose(model.NegSteelArea, c.area);
    ExpectClose(model.NegEffectiveCover, c.effectiveCover);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, GroupAreaAndCoverTest,
    ::testing::Values(
        // pi to nine digits, not the full constant: 314.159265, not 314.1592654.
        GroupCase{"OneBar", {{450, 20, 40}}, 314.159265, 40},
        GroupCase{"TwoBarsOfDifferentSize",
                  {{450, 16, 30}, {450, 24, 50}},
                  (256 + 576) * 3.14159265 / 4,
                  (256.0 * 30 + 576.0 * 50) / 832},
        GroupCase{"NoBars", {}, 0, 0}, GroupCase{"BarsWithoutArea", {{450, 0, 40}}, 0, 0}),
    [](const ::testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.name); });

TEST(GroupPropertiesTest, BarAreaUsesPiToNineDigits) {
    // Full precision would give 314.1592654; the reports have always shown the shorter pi.
    EXPECT_DOUBLE_EQ(BarArea(20), 314.159265);
}

struct CentroidCase {
    const char* name;
    FloorType floor;
    double expected;
};

class PosCentroidTest : public ::testing::TestWithParam<CentroidCase> {};

// One bar at y = 450 in a section of SectionDepth 500 and OverallDepth 480.
TEST_P(PosCentroidTest, MeasuresFromTheSoffitOfTheFloorType) {
    const CentroidCase& c = GetParam();
    FloorModel model;
    model.Selected.FloorType = c.floor;
    model.SectionDepth = 500;
    model.OverallDepth = 480;
    Fill(model.PosSteel, model.PosSteelCount, {{450, 20, 40}});
    ComputePosAreaAndCover(model);
    ComputePosCentroid(model);
    ExpectClose(model.PosCentroid, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Groups, PosCentroidTest,
                         ::testing::Values(CentroidCase{"Beam", FloorType::Beam, 50},
                                           CentroidCase{"Slab", FloorType::Slab, 50},
                                           CentroidCase{"DoubleTee", FloorType::DoubleTee, 30},
                                           CentroidCase{"TeeBeam", FloorType::TeeBeam, 30}),
                         [](const ::testing::TestParamInfo<CentroidCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(GroupPropertiesTest, PosCentroidWeightsTheBarsByArea) {
    FloorModel model;
    model.Selected.FloorType = FloorType::Beam;
    model.SectionDepth = 500;
    Fill(model.PosSteel, model.PosSteelCount, {{460, 16, 40}, {440, 24, 60}});
    ComputePosAreaAndCover(model);
    ComputePosCentroid(model);
    ExpectClose(model.PosCentroid, (256.0 * 40 + 576.0 * 60) / 832);
}

TEST(GroupPropertiesTest, NegCentroidIsFromTheTopForEveryFloorType) {
    for (FloorType floor :
         {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
        FloorModel model;
        model.Selected.FloorType = floor;
        model.SectionDepth = 500;
        model.OverallDepth = 480;
        Fill(model.NegSteel, model.NegSteelCount, {{40, 16, 40}, {40, 20, 40}});
        ComputeNegAreaAndCover(model);
        ComputeNegCentroid(model);
        ExpectClose(model.NegCentroid, 40);
    }
}

TEST(GroupPropertiesTest, ContinuousMemberWithoutNegativeBarsGetsZeros) {
    FloorModel model;
    model.NegSteelArea = 99;
    model.NegEffectiveCover = 99;
    model.NegCentroid = 99;
    ComputeNegAreaAndCover(model);
    ComputeNegCentroid(model);
    EXPECT_EQ(model.NegSteelArea, 0.0f);
    EXPECT_EQ(model.NegEffectiveCover, 0.0f);
    EXPECT_EQ(model.NegCentroid, 0.0f);
}

}  // namespace
}  // namespace fd9
