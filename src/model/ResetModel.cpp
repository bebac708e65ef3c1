#include "model/ResetModel.h"

namespace fd9 {

void ResetModelData(FloorModel& model) {
    model.PosSteel = {};
    model.NegSteel = {};

    switch (model.Selected.FloorType) {
        case FloorType::Slab:
            model.SectionWidth = 1000;
            model.SectionDepth = NewSlabDepth;
            break;
        case FloorType::DoubleTee:
        case FloorType::TeeBeam:
            model.OverallDepth = 480;
            model.OverallWidth = 2400;
            model.RibDepth = 350;
            model.RibWidthBot = 125;
            model.RibWidthTop = 175;
            break;
        case FloorType::Beam:
            model.SectionWidth = 300;
            model.SectionDepth = 500;
            break;
    }

    // The dialogs are discarded, so their selections return to what a new dialog shows;
    // the stored codes stay.
    model.Selected.PosSteelType = SteelType::ReinforcingBar;
    model.Selected.NegSteelType = SteelType::ReinforcingBar;
    model.Selected.ConcreteType = ConcreteType::AlluvialQuartz;
    model.Selected.SupportCondition = SupportCondition::SimplySupported;
    model.Selected.Exposure = ExposureClass::A1;

    model.PosSteelStrength = 300;
    model.NegSteelStrength = 300;
    model.ConcreteStrength = 25;
    model.PosSteelCount = 0;
    model.NegSteelCount = 0;
}

}  // namespace fd9
