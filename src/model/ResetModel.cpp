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

    // The new dialogs show the stored codes, so the calculation, the reports and the model
    // file all name the same steel, concrete and support.
    model.Selected.PosSteelType = SteelTypeFromCode(model.PosSteelType);
    model.Selected.NegSteelType = SteelTypeFromCode(model.NegSteelType);
    model.Selected.ConcreteType = model.ConcreteType >= 0 && model.ConcreteType <= 4
                                      ? static_cast<ConcreteType>(model.ConcreteType)
                                      : ConcreteType::AlluvialQuartz;
    model.Selected.SupportCondition = model.SupportCondition == 1
                                          ? SupportCondition::Continuous
                                          : SupportCondition::SimplySupported;
    model.Selected.Exposure = ExposureClass::A1;

    model.PosSteelStrength = 300;
    model.NegSteelStrength = 300;
    model.ConcreteStrength = 25;
    model.PosSteelCount = 0;
    model.NegSteelCount = 0;
}

}  // namespace fd9
