#include "dialogs/frmDoubleTeeDimensions.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"
#include "shell/frmMenu.h"

namespace fd9 {

namespace {

struct FieldSpec {
    const char* name;
    const char* label;
    const char* text;
    float FloorModel::*target;
    const char* enterMessage;
    const char* leaveMessage;
};

// In tab order, matching the Field enumeration.
constexpr FieldSpec Specs[] = {
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
};

}  // namespace

frmDoubleTeeDimensions::frmDoubleTeeDimensions(frmMenu& menu) : InputDialog(menu) {
    setObjectName(QStringLiteral("frmDoubleTeeDimensions"));
    setWindowTitle(QStringLiteral("Double Tee Dimensions"));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i] = NewField(Specs[i].name, Specs[i].text);
        grid->addWidget(NewLabel(Specs[i].label), i, 0);
        grid->addWidget(fields_[i], i, 1);
    }
    txtDoubleTeeOverallDepth = fields_[OverallDepth];
    txtDoubleTeeRibDepth = fields_[RibDepth];
    txtDoubleTeeOverallWidth = fields_[OverallWidth];
    txtDoubleTeeRibWidthBot = fields_[RibWidthBot];
    txtDoubleTeeRibWidthTop = fields_[RibWidthTop];
    cmdOK = NewButton("cmdOK", "OK");
    cmdCancel = NewButton("cmdCancel", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, FieldCount, 0, 1, 2);
    for (int i = 0; i + 1 < FieldCount; ++i) {
        setTabOrder(fields_[i], fields_[i + 1]);
    }
    setTabOrder(fields_[FieldCount - 1], cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    fields_[0]->setFocus();

    for (int i = 0; i < FieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        watchField(
            fields_[i], [this, field] { Field_KeyPress(field, Qt::Key_Return); },
            [this, field] { Field_LostFocus(field); });
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmDoubleTeeDimensions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDoubleTeeDimensions::cmdCancel_Click);
    setEscapeHandler([this] { cmdCancel_Click(); });
}

void frmDoubleTeeDimensions::FillFromModel() {
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i]->setText(NumberQText(model().*Specs[i].target));
    }
}

bool frmDoubleTeeDimensions::accepts(Field field, double value) const {
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

void frmDoubleTeeDimensions::check(Field field, bool leaving) {
    const double value = FieldNumber(fields_[field]);
    if (!accepts(field, value)) {
        refuse(
            QString::fromLatin1(leaving ? Specs[field].leaveMessage : Specs[field].enterMessage));
        return;
    }
    model().*Specs[field].target = static_cast<float>(value);
    menu().DrawCrossSection();
}

void frmDoubleTeeDimensions::Field_KeyPress(Field field, int key) {
    if (IsEnterKey(key)) {
        check(field, false);
    }
}

void frmDoubleTeeDimensions::Field_LostFocus(Field field) {
    check(field, true);
}

void frmDoubleTeeDimensions::cmdOK_Click() {
    for (int i = 0; i < FieldCount; ++i) {
        StoreFieldNumber(model().*Specs[i].target, FieldNumber(fields_[i]));
    }
    menu().setFloorType(FloorType::DoubleTee);
    hide();
    menu().DrawCrossSection();
}

void frmDoubleTeeDimensions::cmdCancel_Click() {
    hide();
}

}  // namespace fd9
