#include "dialogs/frmTeeBeamDimensions.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"
#include "shell/frmMenu.h"
#include "view/CrossSectionWidget.h"
#include "view/SectionDrawing.h"

namespace fd9 {

namespace {

struct FieldSpec {
    const char* name;
    const char* label;
    const char* text;
    float FloorModel::*target;
    const char* enterMessage;
    const char* leaveMessage;
    TeeBeamDimension marker;
};

// In tab order, matching the Field enumeration.
constexpr FieldSpec Specs[] = {
    {"txtTeeBeamDepth", "Overall Depth (mm)", "480", &FloorModel::OverallDepth, "Depth is invalid!",
     "Depth is invalid!", TeeBeamDimension::Depth},
    {"txtTeeBeamRibDepth", "Rib Depth (mm)", "350", &FloorModel::RibDepth, "Rib Depth is invalid!",
     "Depth is invalid!", TeeBeamDimension::RibDepth},
    {"txtTeeBeamWidth", "Width (mm)", "2400", &FloorModel::OverallWidth, "Width is invalid!",
     "Width is invalid!", TeeBeamDimension::Width},
    {"txtTeeBeamRibWidthBot", "Rib Width (bot) (mm)", "125", &FloorModel::RibWidthBot,
     "Width is invalid!", "Width is invalid!", TeeBeamDimension::RibWidthBot},
    {"txtTeeBeamRibWidthTop", "Rib Width (top) (mm)", "175", &FloorModel::RibWidthTop,
     "Width is invalid!", "Width is invalid!", TeeBeamDimension::RibWidthTop},
};

}  // namespace

frmTeeBeamDimensions::frmTeeBeamDimensions(frmMenu& menu) : InputDialog(menu) {
    setObjectName(QStringLiteral("frmTeeBeamDimensions"));
    setWindowTitle(QStringLiteral("Tee Beam Dimensions"));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i] = NewField(Specs[i].name, Specs[i].text);
        grid->addWidget(NewLabel(Specs[i].label), i, 0);
        grid->addWidget(fields_[i], i, 1);
    }
    txtTeeBeamDepth = fields_[Depth];
    txtTeeBeamRibDepth = fields_[RibDepth];
    txtTeeBeamWidth = fields_[Width];
    txtTeeBeamRibWidthBot = fields_[RibWidthBot];
    txtTeeBeamRibWidthTop = fields_[RibWidthTop];
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
    connect(cmdOK, &QPushButton::clicked, this, &frmTeeBeamDimensions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTeeBeamDimensions::cmdCancel_Click);
    setEscapeHandler([this] { cmdCancel_Click(); });
}

void frmTeeBeamDimensions::FillFromModel() {
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i]->setText(NumberQText(model().*Specs[i].target));
    }
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

void frmTeeBeamDimensions::check(Field field, bool leaving) {
    const double value = FieldNumber(fields_[field]);
    if (!(value > 0)) {
        refuse(
            QString::fromLatin1(leaving ? Specs[field].leaveMessage : Specs[field].enterMessage));
        return;
    }
    model().*Specs[field].target = static_cast<float>(value);
    menu().DrawCrossSection();
}

void frmTeeBeamDimensions::Field_KeyPress(Field field, int key) {
    if (IsEnterKey(key)) {
        check(field, false);
    }
}

void frmTeeBeamDimensions::Field_LostFocus(Field field) {
    check(field, true);
}

void frmTeeBeamDimensions::Field_GotFocus(Field field) {
    // The marker shows the model's dimension, which is what the last accepted value left.
    menu().ClearCrossSection();
    menu().DrawCrossSection();
    DrawTeeBeamMarker(*menu().picFloorCrossSection, model(), Specs[field].marker);
}

void frmTeeBeamDimensions::cmdOK_Click() {
    for (int i = 0; i < FieldCount; ++i) {
        StoreFieldNumber(model().*Specs[i].target, FieldNumber(fields_[i]));
    }
    menu().setFloorType(FloorType::TeeBeam);
    hide();
    menu().DrawCrossSection();
}

void frmTeeBeamDimensions::cmdCancel_Click() {
    hide();
}

}  // namespace fd9
