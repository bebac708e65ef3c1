#include "dialogs/RibbedSectionFields.h"

#include <QGridLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"

namespace fd9 {

RibbedSectionFields::RibbedSectionFields(DialogHost& host, const FieldRules& rules,
                                         FloorType floorType)
    : InputDialog(host), rules_(rules), floorType_(floorType) {
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i] = NewField(rules_[i].name, rules_[i].text);
        grid->addWidget(NewLabel(rules_[i].label), i, 0);
        grid->addWidget(fields_[i], i, 1);
    }
    cmdOK = NewButton("cmdOK", "OK");
    cmdCancel = NewButton("cmdCancel", "Cancel");
    grid->addLayout(NewButtonRow(ButtonRow::FullWidth, {cmdOK, cmdCancel}), FieldCount, 0, 1, 2);
    for (int i = 0; i + 1 < FieldCount; ++i) {
        setTabOrder(fields_[i], fields_[i + 1]);
    }
    setTabOrder(fields_[FieldCount - 1], cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    fields_[0]->setFocus();
}

void RibbedSectionFields::showModelValues() {
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i]->setText(NumberQText(model().*rules_[i].target));
    }
}

bool RibbedSectionFields::accepts(int, double value) const {
    return value > 0;
}

void RibbedSectionFields::check(int field, bool leaving) {
    const double value = FieldNumber(fields_[field]);
    if (!accepts(field, value)) {
        refuse(
            QString::fromLatin1(leaving ? rules_[field].leaveMessage : rules_[field].enterMessage));
        return;
    }
    StoreFieldNumber(model().*rules_[field].target, value);
    host().DrawCrossSection();
}

void RibbedSectionFields::keyPress(int field, int key) {
    if (IsEnterKey(key)) {
        check(field, false);
    }
}

void RibbedSectionFields::storeAll() {
    if (!decimalPointsOnly()) {
        return;
    }
    std::array<float, FieldCount> values{};
    for (int i = 0; i < FieldCount; ++i) {
        const std::optional<float> value =
            storable(fields_[i], QString::fromLatin1(rules_[i].enterMessage));
        if (!value) {
            return;
        }
        values[i] = *value;
    }
    for (int i = 0; i < FieldCount; ++i) {
        model().*rules_[i].target = values[i];
    }
    host().setFloorType(floorType_);
    hide();
    host().DrawCrossSection();
}

}  // namespace fd9
