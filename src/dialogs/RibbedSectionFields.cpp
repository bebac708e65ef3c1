#include "dialogs/RibbedSectionFields.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"
#include "shell/frmMenu.h"

namespace fd9 {

RibbedSectionFields::RibbedSectionFields(frmMenu& menu, const FieldSpecs& specs,
                                         FloorType floorType)
    : InputDialog(menu), specs_(specs), floorType_(floorType) {
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i] = NewField(specs_[i].name, specs_[i].text);
        grid->addWidget(NewLabel(specs_[i].label), i, 0);
        grid->addWidget(fields_[i], i, 1);
    }
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
}

void RibbedSectionFields::FillFromModel() {
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i]->setText(NumberQText(model().*specs_[i].target));
    }
}

bool RibbedSectionFields::accepts(int, double value) const {
    return value > 0;
}

void RibbedSectionFields::check(int field, bool leaving) {
    const double value = FieldNumber(fields_[field]);
    if (!accepts(field, value)) {
        refuse(
            QString::fromLatin1(leaving ? specs_[field].leaveMessage : specs_[field].enterMessage));
        return;
    }
    model().*specs_[field].target = static_cast<float>(value);
    menu().DrawCrossSection();
}

void RibbedSectionFields::keyPress(int field, int key) {
    if (IsEnterKey(key)) {
        check(field, false);
    }
}

void RibbedSectionFields::storeAll() {
    for (int i = 0; i < FieldCount; ++i) {
        StoreFieldNumber(model().*specs_[i].target, FieldNumber(fields_[i]));
    }
    menu().setFloorType(floorType_);
    hide();
    menu().DrawCrossSection();
}

}  // namespace fd9
