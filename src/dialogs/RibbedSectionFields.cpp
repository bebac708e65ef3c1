#include "dialogs/RibbedSectionFields.h"

#include <QEvent>
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

    for (int i = 0; i < FieldCount; ++i) {
        watchField(
            fields_[i], [this, i] { Field_KeyPress(i, Qt::Key_Return); },
            [this, i] { Field_LostFocus(i); });
    }
    setOkCancel(
        cmdOK, [this] { cmdOK_Click(); }, cmdCancel, [this] { cmdCancel_Click(); });
}

void RibbedSectionFields::showModelValues() {
    for (int i = 0; i < FieldCount; ++i) {
        fields_[i]->setText(NumberQText(model().*rules_[i].target));
    }
}

bool RibbedSectionFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < FieldCount; ++i) {
            if (watched == fields_[i]) {
                Field_GotFocus(i);
            }
        }
    }
    return InputDialog::eventFilter(watched, event);
}

void RibbedSectionFields::check(int field, bool leaving) {
    const FieldRule& rule = rules_[field];
    const double value = FieldNumber(fields_[field]);
    // Limits compare with the other fields as typed, not with the model.
    const bool accepted =
        value > 0 &&
        (!rule.below || value < rule.below->share * FieldNumber(fields_[rule.below->field]));
    if (!accepted) {
        refuse(QString::fromLatin1(leaving ? rule.leaveMessage : rule.enterMessage));
        return;
    }
    StoreFieldNumber(model().*rule.target, value);
    host().DrawCrossSection();
}

void RibbedSectionFields::Field_KeyPress(int field, int key) {
    if (IsEnterKey(key)) {
        check(field, false);
    }
}

void RibbedSectionFields::Field_LostFocus(int field) {
    check(field, true);
}

void RibbedSectionFields::Field_GotFocus(int field) {
    // The marker shows the model's dimension, which is what the last accepted value left.
    if (const std::optional<TeeBeamDimension> marker = rules_[field].marker) {
        host().markTeeBeamDimension(*marker);
    }
}

void RibbedSectionFields::cmdOK_Click() {
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

void RibbedSectionFields::cmdCancel_Click() {
    hide();
}

}  // namespace fd9
