#include "dialogs/frmConcreteProperties.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"
#include "model/FloorModel.h"
#include "model/WholeNumber.h"
#include "platform/Platform.h"

namespace fd9 {

namespace {

constexpr int ConcreteTypeCount = 5;

void SelectConcreteType(QComboBox* list, int code) {
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

}  // namespace

frmConcreteProperties::frmConcreteProperties(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmConcreteProperties"));
    setWindowTitle(QStringLiteral("Concrete Properties"));

    cboConcreteType = Named(new QComboBox(this), "cboConcreteType");
    // List position is the stored code.
    cboConcreteType->addItems({QStringLiteral("Normal-weight"), QStringLiteral("Light-weight"),
                               QStringLiteral("Alluvial Quartz (Type A - NZS 3101)"),
                               QStringLiteral("Dacite (Type B - NZS 3101)"),
                               QStringLiteral("Pumice (Type C - NZS 3101)")});
    txtCompressiveStrength = NewField("txtCompressiveStrength", " 25", this);
    cmdOK = NewButton("cmdOK", "OK", this);
    cmdCancel = NewButton("cmdCancel", "Cancel", this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Concrete Type"), cboConcreteType);
    form->addRow(QStringLiteral("Compressive Strength (MPa)"), txtCompressiveStrength);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(NewButtonRow(ButtonRow::Right, {cmdOK, cmdCancel}));

    // A dialog is only ever loaded after a reset, which selects the current concrete type.
    SelectConcreteType(cboConcreteType, static_cast<int>(model().Selected.ConcreteType));
    connect(cboConcreteType, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < ConcreteTypeCount) {
            model().Selected.ConcreteType = static_cast<ConcreteType>(index);
        }
    });

    watchField(txtCompressiveStrength, [this] { txtCompressiveStrength_KeyPress(); });
    setOkCancel(
        cmdOK, [this] { cmdOK_Click(); }, cmdCancel, [this] { cmdCancel_Click(); });
}

void frmConcreteProperties::showModelValues() {
    setFieldNumber(txtCompressiveStrength, model().ConcreteStrength);
    SelectConcreteType(cboConcreteType, model().ConcreteType);
    if (model().ConcreteType >= 0 && model().ConcreteType < ConcreteTypeCount) {
        model().Selected.ConcreteType = static_cast<ConcreteType>(model().ConcreteType);
    }
}

void frmConcreteProperties::txtCompressiveStrength_KeyPress() {
    // Enter stores the number as typed; OK later stores it rounded to a whole number.
    const double c = fieldNumber(txtCompressiveStrength);
    if (const std::optional<float> strength = c > 0 ? ModelFloat(c) : std::nullopt) {
        model().ConcreteStrength = *strength;
        return;
    }
    platform().beep();
    setFieldNumber(txtCompressiveStrength, model().ConcreteStrength);
    refuse(QStringLiteral("Concrete Compressive Strength is invalid!"));
    returnFocus(txtCompressiveStrength);
}

void frmConcreteProperties::cmdOK_Click() {
    if (!decimalPointsOnly()) {
        return;
    }
    const std::optional<std::int16_t> whole = RoundToInt16(fieldNumber(txtCompressiveStrength));
    if (!whole || *whole < 1) {
        refuse(QStringLiteral("Concrete Compressive Strength is invalid!"), true);
        returnFocus(txtCompressiveStrength);
        return;
    }
    // No entry selected (a model file with an unknown code) keeps the stored code.
    if (const int index = cboConcreteType->currentIndex(); index >= 0) {
        model().ConcreteType = static_cast<std::int16_t>(index);
    }
    model().ConcreteStrength = *whole;
    hide();
}

void frmConcreteProperties::cmdCancel_Click() {
    // The list goes back to the stored code, so the calculation never uses a cancelled choice.
    showModelValues();
    hide();
}

}  // namespace fd9
