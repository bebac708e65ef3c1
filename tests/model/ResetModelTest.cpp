#include <gtest/gtest.h>

#include "model/FloorModel.h"
#include "model/ResetModel.h"

namespace fd9 {
namespace {

// Solid sections get their default size; ribbed ones their default ribs, and keep the working
// section the calculation left. What a new concrete dialog shows is also what a new model
// stores, so a report or model file written before any OK names the concrete calculated with.
TEST(ResetModelData, EachFloorTypeGetsItsDefaultSectionAndTheSelectionsOfANewModel) {
    const struct {
        FloorType type;
        float width, depth;
    } cases[] = {{FloorType::Slab, 1000, 150},
                 {FloorType::Beam, 300, 500},
                 {FloorType::DoubleTee, 137.5f, 410},
                 {FloorType::TeeBeam, 137.5f, 410}};
    for (const auto& c : cases) {
        FloorModel model;
        model.Selected.FloorType = c.type;
        model.SectionWidth = 137.5f;
        model.SectionDepth = 410;
        model.Selected.ConcreteType = ConcreteType::Dacite;
        model.Selected.PosSteelType = SteelType::PrestressingStrand;
        ResetModelData(model);
        EXPECT_EQ(model.SectionWidth, c.width);
        EXPECT_EQ(model.SectionDepth, c.depth);
        if (c.type == FloorType::DoubleTee || c.type == FloorType::TeeBeam) {
            EXPECT_EQ(model.OverallDepth, 480);
            EXPECT_EQ(model.OverallWidth, 2400);
            EXPECT_EQ(model.RibDepth, 350);
            EXPECT_EQ(model.RibWidthBot, 125);
            EXPECT_EQ(model.RibWidthTop, 175);
        }
        EXPECT_EQ(model.Selected.ConcreteType, ConcreteType::AlluvialQuartz);
        EXPECT_EQ(static_cast<int>(model.Selected.ConcreteType), model.ConcreteType);
        EXPECT_EQ(model.Selected.PosSteelType, SteelType::ReinforcingBar);
        EXPECT_EQ(model.Selected.SupportCondition, SupportCondition::SimplySupported);
    }
}

TEST(ResetModelData, ClearsBarsButKeepsLoadsFireCodesAndResults) {
    FloorModel model;
    model.PosSteel[3][SteelDiameter] = 16;
    model.NegSteel[29][SteelY] = 40;
    model.PosSteelCount = 4;
    model.NegSteelCount = 30;
    model.DeadLoad = 6;
    model.Span = 12;
    model.FRRequired = 90;
    model.SupportCondition = 1;
    model.ConcreteType = 4;
    model.PosSteelType = 1;
    model.PosMomentCapacity = 11.17f;
    model.Selected.Exposure = ExposureClass::C;
    model.Selected.DesignFire = DesignFire::NonStandard;

    ResetModelData(model);

    EXPECT_EQ(model.PosSteel[3][SteelDiameter], 0);
    EXPECT_EQ(model.NegSteel[29][SteelY], 0);
    EXPECT_EQ(model.PosSteelCount, 0);
    EXPECT_EQ(model.NegSteelCount, 0);
    EXPECT_EQ(model.DeadLoad, 6);
    EXPECT_EQ(model.Span, 12);
    EXPECT_EQ(model.FRRequired, 90);
    EXPECT_EQ(model.SupportCondition, 1);
    EXPECT_EQ(model.ConcreteType, 4);
    EXPECT_EQ(model.PosSteelType, 1);
    EXPECT_EQ(model.PosMomentCapacity, 11.17f);
    // The new dialogs show the stored codes, so the selections follow them.
    EXPECT_EQ(model.Selected.ConcreteType, ConcreteType::Pumice);
    EXPECT_EQ(model.Selected.PosSteelType, SteelType::PrestressingStrand);
    EXPECT_EQ(model.Selected.NegSteelType, SteelType::ReinforcingBar);
    EXPECT_EQ(model.Selected.SupportCondition, SupportCondition::Continuous);
    EXPECT_EQ(model.Selected.Exposure, ExposureClass::A1);
    EXPECT_EQ(model.Selected.DesignFire, DesignFire::NonStandard);

    // The other way round, from the opposite selections; code 0 is normal weight, a real code.
    model.Selected = {.PosSteelType = SteelType::PrestressingStrand,
                      .ConcreteType = ConcreteType::Dacite};
    model.ConcreteType = model.PosSteelType = 0;
    model.NegSteelType = 1;
    ResetModelData(model);
    EXPECT_EQ(model.Selected.ConcreteType, ConcreteType::NormalWeight);
    EXPECT_EQ(model.Selected.PosSteelType, SteelType::ReinforcingBar);
    EXPECT_EQ(model.Selected.NegSteelType, SteelType::PrestressingStrand);
}

}  // namespace
}  // namespace fd9
