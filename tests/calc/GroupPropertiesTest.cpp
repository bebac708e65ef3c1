#include "calc/GroupProperties.h"

#include <gtest/gtest.h>

#include <vector>

namespace fd9 {
namespace {

struct Bar {
    float y, diameter, cover;
};

// Both groups hold the bars, with a stale row just past the count that must never be read, and
// figures an earlier run left.
FloorModel WithBars(FloorType floor, const std::vector<Bar>& bars) {
    FloorModel model{.OverallDepth = 480, .SectionDepth = 500, .Selected = {.FloorType = floor}};
    for (float* stale : {&model.PosSteelArea, &model.NegSteelArea, &model.PosEffectiveCover,
                         &model.NegEffectiveCover, &model.PosCentroid, &model.NegCentroid}) {
        *stale = 99;
    }
    for (auto [table, count] : {std::pair{&model.PosSteel, &model.PosSteelCount},
                                std::pair{&model.NegSteel, &model.NegSteelCount}}) {
        *count = static_cast<std::int16_t>(bars.size());
        for (std::size_t i = 0; i < bars.size(); ++i) {
            (*table)[i] = {100, bars[i].y, bars[i].diameter, bars[i].cover};
        }
        (*table)[bars.size()] = {100, 1, 1000, 1000};
    }
    ComputePosAreaAndCover(model);
    ComputeNegAreaAndCover(model);
    ComputePosCentroid(model);
    ComputeNegCentroid(model);
    return model;
}

// Pi to nine digits, not the full constant: the reports have always shown 314.159265.
TEST(GroupProperties, AreasAndCoversWeightTheBarsByArea) {
    EXPECT_DOUBLE_EQ(BarArea(20), 314.159265);
    const struct {
        std::vector<Bar> bars;
        double area, cover;
    } cases[] = {
        {{{450, 20, 40}}, 314.159265, 40},
        // (256 + 576) x 3.14159265 / 4; (256 x 30 + 576 x 50) / 832 = 36480 / 832
        {{{450, 16, 30}, {450, 24, 50}}, 653.451271, 43.846154},
        {{}, 0, 0},
        {{{450, 0, 40}}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bars.size());
        const FloorModel model = WithBars(FloorType::Beam, c.bars);
        for (float area : {model.PosSteelArea, model.NegSteelArea}) {
            EXPECT_NEAR(area, c.area, std::max(1e-4, 1e-6 * c.area));
        }
        for (float cover : {model.PosEffectiveCover, model.NegEffectiveCover}) {
            EXPECT_NEAR(cover, c.cover, 1e-4);
        }
    }
    // No bars: the centroids are 0 too.
    const FloorModel none = WithBars(FloorType::Beam, {});
    EXPECT_EQ(none.PosCentroid, 0.0f);
    EXPECT_EQ(none.NegCentroid, 0.0f);
}

// The positive centroid is from the soffit of the section (SectionDepth 500) or of a ribbed
// floor (OverallDepth 480); the negative one from the top for every floor type.
TEST(GroupProperties, CentroidsMeasureFromTheFaceOfTheFloorType) {
    const struct {
        FloorType floor;
        float pos;
    } cases[] = {{FloorType::Beam, 50},
                 {FloorType::Slab, 50},
                 {FloorType::DoubleTee, 30},
                 {FloorType::TeeBeam, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.floor));
        EXPECT_NEAR(WithBars(c.floor, {{450, 20, 40}}).PosCentroid, c.pos, 1e-4);
        EXPECT_NEAR(WithBars(c.floor, {{40, 16, 40}, {40, 20, 40}}).NegCentroid, 40, 1e-4);
    }
    // (256 x 40 + 576 x 60) / 832 = 44800 / 832
    EXPECT_NEAR(WithBars(FloorType::Beam, {{460, 16, 40}, {440, 24, 60}}).PosCentroid, 53.846154,
                1e-4);
}

}  // namespace
}  // namespace fd9
