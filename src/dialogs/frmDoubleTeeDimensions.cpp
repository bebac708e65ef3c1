#include "dialogs/frmDoubleTeeDimensions.h"

#include "dialogs/FieldNumber.h"

namespace fd9 {

namespace {

// In tab order, matching the Field enumeration.
constexpr RibbedSectionFields::FieldRules Rules = {{
    {"txtDoubleTeeOverallDepth", "Overall Depth (mm)", "480", &FloorModel::OverallDepth,
     "Beam Depth is invalid!", "Beam Depth is invalid!"},
    {"txtDoubleTeeRibDepth", "Rib Depth (mm)", "350", &FloorModel::RibDepth,
     "Rib Depth is invalid!", "Rib Depth is invalid!"},
    {"txtDoubleTeeOverallWidth", "Overall Width (mm)", "2400", &FloorModel::OverallWidth,
     "Width is invalid!", "Beam Width is invalid!"},
    {"txtDoubleTeeRibWidthBot", "Rib Width (bot)(mm)", "125", &FloorModel::RibWidthBot,
     "Rib Width is invalid!", "Rib Width is invalid!"},
    {"txtDoubleTeeRibWidthTop", "Rib Width (top)(mm)", "175", &FloorModel::RibWidthTop,
     "Rib Width is invalid!", "Rib Width is invalid!"},
}};

}  // namespace

static_assert(frmDoubleTeeDimensions::FieldCount == RibbedSectionFields::FieldCount);

frmDoubleTeeDimensions::frmDoubleTeeDimensions(DialogHost& host)
    : RibbedSectionFields(host, Rules, FloorType::DoubleTee) {
    setObjectName(QStringLiteral("frmDoubleTeeDimensions"));
    setWindowTitle(QStringLiteral("Double Tee Dimensions"));
    txtDoubleTeeOverallDepth = fields_[OverallDepth];
    txtDoubleTeeRibDepth = fields_[RibDepth];
    txtDoubleTeeOverallWidth = fields_[OverallWidth];
    txtDoubleTeeRibWidthBot = fields_[RibWidthBot];
    txtDoubleTeeRibWidthTop = fields_[RibWidthTop];
    connectHandlers(this);
}

bool frmDoubleTeeDimensions::accepts(int field, double value) const {
    // Limits compare with the other fields as typed, not with the model.
    switch (field) {
        case RibDepth:
            return value > 0 && value < FieldNumber(txtDoubleTeeOverallDepth);
        case RibWidthBot:
        case RibWidthTop:
            return value > 0 && value < 0.5 * FieldNumber(txtDoubleTeeOverallWidth);
        default:
            return value > 0;
    }
}

void frmDoubleTeeDimensions::Field_KeyPress(Field field, int key) {
    keyPress(field, key);
}

void frmDoubleTeeDimensions::Field_LostFocus(Field field) {
    check(field, true);
}

void frmDoubleTeeDimensions::cmdOK_Click() {
    storeAll();
}

void frmDoubleTeeDimensions::cmdCancel_Click() {
    hide();
}

}  // namespace fd9
