#include "dialogs/frmTeeBeamDimensions.h"

#include <QEvent>
#include <QLineEdit>

#include "view/SectionDrawing.h"

namespace fd9 {

namespace {

// In tab order, matching the Field enumeration.
constexpr RibbedSectionFields::FieldRules Rules = {{
    {"txtTeeBeamDepth", "Overall Depth (mm)", "480", &FloorModel::OverallDepth, "Depth is invalid!",
     "Depth is invalid!"},
    {"txtTeeBeamRibDepth", "Rib Depth (mm)", "350", &FloorModel::RibDepth, "Rib Depth is invalid!",
     "Depth is invalid!"},
    {"txtTeeBeamWidth", "Width (mm)", "2400", &FloorModel::OverallWidth, "Width is invalid!",
     "Width is invalid!"},
    {"txtTeeBeamRibWidthBot", "Rib Width (bot) (mm)", "125", &FloorModel::RibWidthBot,
     "Width is invalid!", "Width is invalid!"},
    {"txtTeeBeamRibWidthTop", "Rib Width (top) (mm)", "175", &FloorModel::RibWidthTop,
     "Width is invalid!", "Width is invalid!"},
}};

// The dimension each field marks on the view, matching the Field enumeration.
constexpr TeeBeamDimension Markers[] = {TeeBeamDimension::Depth, TeeBeamDimension::RibDepth,
                                        TeeBeamDimension::Width, TeeBeamDimension::RibWidthBot,
                                        TeeBeamDimension::RibWidthTop};

}  // namespace

static_assert(frmTeeBeamDimensions::FieldCount == RibbedSectionFields::FieldCount);

frmTeeBeamDimensions::frmTeeBeamDimensions(DialogHost& host)
    : RibbedSectionFields(host, Rules, FloorType::TeeBeam) {
    setObjectName(QStringLiteral("frmTeeBeamDimensions"));
    setWindowTitle(QStringLiteral("Tee Beam Dimensions"));
    txtTeeBeamDepth = fields_[Depth];
    txtTeeBeamRibDepth = fields_[RibDepth];
    txtTeeBeamWidth = fields_[Width];
    txtTeeBeamRibWidthBot = fields_[RibWidthBot];
    txtTeeBeamRibWidthTop = fields_[RibWidthTop];
    connectHandlers(this);
}

bool frmTeeBeamDimensions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < FieldCount; ++i) {
            if (watched == fields_[i]) {
                Field_GotFocus(static_cast<Field>(i));
            }
        }
    }
    return InputDialog::eventFilter(watched, event);
}

void frmTeeBeamDimensions::Field_KeyPress(Field field, int key) {
    keyPress(field, key);
}

void frmTeeBeamDimensions::Field_LostFocus(Field field) {
    check(field, true);
}

void frmTeeBeamDimensions::Field_GotFocus(Field field) {
    // The marker shows the model's dimension, which is what the last accepted value left.
    host().markTeeBeamDimension(Markers[field]);
}

void frmTeeBeamDimensions::cmdOK_Click() {
    storeAll();
}

void frmTeeBeamDimensions::cmdCancel_Click() {
    hide();
}

}  // namespace fd9
