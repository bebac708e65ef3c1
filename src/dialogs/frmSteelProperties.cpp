#include "dialogs/frmSteelProperties.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"
#include "model/FloorModel.h"
#include "model/WholeNumber.h"

namespace fd9 {

namespace {

void SelectRow(QListWidget* list, int row) {
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
    } else {
        list->clearSelection();
    }
}

}  // namespace

frmSteelProperties::frmSteelProperties(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmSteelProperties"));
    setWindowTitle(QStringLiteral("Steel Properties"));

    auto group = [this](QGroupBox*& frame, const char* frameName, const char* title,
                        QListWidget*& list, const char* listName, QLineEdit*& field,
                        const char* fieldName) {
        frame = Named(new QGroupBox(QString::fromLatin1(title), this), frameName);
        auto* layout = new QVBoxLayout(frame);
        layout->addWidget(NewLabel("Steel Type", frame));
        list = Named(new QListWidget(frame), listName);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMaximumHeight(60);
        layout->addWidget(list);
        layout->addWidget(NewLabel("Steel Yield Strength (MPa)", frame));
        field = NewField(fieldName, "300", frame);
        layout->addWidget(field);
    };
    group(fraSteelPos, "fraSteelPos", "Positive Moment Reinforcement", lstSteelPosType,
          "lstSteelPosType", txtSteelPosStrength, "txtSteelPosStrength");
    group(fraSteelNeg, "fraSteelNeg", "Negative Moment Reinforcement", lstSteelNegType,
          "lstSteelNegType", txtSteelNegStrength, "txtSteelNegStrength");
    lstSteelPosType->addItems(
        {QStringLiteral("Reinforcing Bars"), QStringLiteral("Prestressing Strands")});
    // Negative-moment steel over the supports is never prestressed.
    lstSteelNegType->addItem(QStringLiteral("Reinforcing Bars"));

    Okbutton = NewButton("Okbutton", "OK", this);
    cmdCancel = NewButton("cmdCancel", "Cancel", this);

    auto* groups = new QHBoxLayout;
    groups->addWidget(fraSteelPos);
    groups->addWidget(fraSteelNeg);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(NewButtonRow(ButtonRow::Right, {Okbutton, cmdCancel}));

    // A dialog is only ever loaded after a reset, which selects the current steel types.
    SelectRow(lstSteelPosType, static_cast<int>(model().Selected.PosSteelType));
    SelectRow(lstSteelNegType, static_cast<int>(model().Selected.NegSteelType));
    connect(lstSteelPosType, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = SelectedRow(lstSteelPosType); row >= 0) {
            model().Selected.PosSteelType = SteelTypeFromCode(static_cast<std::int16_t>(row));
        }
    });
    connect(lstSteelNegType, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = SelectedRow(lstSteelNegType); row >= 0) {
            model().Selected.NegSteelType = SteelTypeFromCode(static_cast<std::int16_t>(row));
        }
    });

    watchField(txtSteelPosStrength, [this] { txtSteelPosStrength_KeyPress(); });
    watchField(txtSteelNegStrength, [this] { txtSteelNegStrength_KeyPress(); });
    setOkCancel(
        Okbutton, [this] { Okbutton_Click(); }, cmdCancel, [this] { cmdCancel_Click(); });
}

void frmSteelProperties::showModelValues() {
    setFieldNumber(txtSteelPosStrength, model().PosSteelStrength);
    setFieldNumber(txtSteelNegStrength, model().NegSteelStrength);
    SelectRow(lstSteelPosType, model().PosSteelType);
    SelectRow(lstSteelNegType, model().NegSteelType);
    // The calculation follows the stored codes even where no list entry shows them.
    model().Selected.PosSteelType = SteelTypeFromCode(model().PosSteelType);
    model().Selected.NegSteelType = SteelTypeFromCode(model().NegSteelType);
}

void frmSteelProperties::checkStrengthOnEnter(QLineEdit* field, float stored) {
    // Enter only checks; the strengths reach the model on OK.
    const std::optional<std::int16_t> whole = RoundToInt16(fieldNumber(field));
    if (!whole || *whole < 1) {
        refuse(QStringLiteral("The value entered is not valid"));
        setFieldNumber(field, stored);
    }
}

void frmSteelProperties::txtSteelPosStrength_KeyPress() {
    checkStrengthOnEnter(txtSteelPosStrength, model().PosSteelStrength);
}

void frmSteelProperties::txtSteelNegStrength_KeyPress() {
    checkStrengthOnEnter(txtSteelNegStrength, model().NegSteelStrength);
}

void frmSteelProperties::Okbutton_Click() {
    if (!decimalPointsOnly()) {
        return;
    }
    if (SelectedRow(lstSteelPosType) < 0) {
        refuse(QStringLiteral("You have not selected a Steel type!"), true);
        returnFocus(lstSteelPosType);
        return;
    }
    if (SelectedRow(lstSteelNegType) < 0) {
        refuse(QStringLiteral("You have not selected a steel type!"), true);
        returnFocus(lstSteelNegType);
        return;
    }
    // A strength that fails is refused, shows the stored one again and keeps the focus.
    const auto strength = [this](QLineEdit* field, float stored) -> std::optional<float> {
        const double typed = fieldNumber(field);
        if (const std::optional<float> value = typed > 0 ? ModelFloat(typed) : std::nullopt) {
            return value;
        }
        refuse(QStringLiteral("Steel Yield Strength is invalid!"), true);
        setFieldNumber(field, stored);
        returnFocus(field);
        return std::nullopt;
    };
    const std::optional<float> pos = strength(txtSteelPosStrength, model().PosSteelStrength);
    if (!pos) {
        return;
    }
    const std::optional<float> neg = strength(txtSteelNegStrength, model().NegSteelStrength);
    if (!neg) {
        return;
    }
    model().PosSteelStrength = *pos;
    model().NegSteelStrength = *neg;
    model().PosSteelType = static_cast<std::int16_t>(SelectedRow(lstSteelPosType));
    model().NegSteelType = static_cast<std::int16_t>(SelectedRow(lstSteelNegType));
    hide();
}

void frmSteelProperties::cmdCancel_Click() {
    // The lists go back to the stored codes too: a cancelled choice that the calculation still
    // read would give results that the report and the model file name differently.
    showModelValues();
    hide();
}

}  // namespace fd9
