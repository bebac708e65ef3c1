#include "dialogs/frmSteelProperties.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/FloorModel.h"
#include "model/WholeNumber.h"
#include "shell/frmMenu.h"

namespace fd9 {

namespace {

// The row the user has selected, or -1; a current row without a selection does not count.
int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

void SelectRow(QListWidget* list, int row) {
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
    } else {
        list->clearSelection();
    }
}

}  // namespace

frmSteelProperties::frmSteelProperties(frmMenu& menu) : InputDialog(menu) {
    setObjectName(QStringLiteral("frmSteelProperties"));
    setWindowTitle(QStringLiteral("Steel Properties"));

    auto group = [this](QGroupBox*& frame, const char* frameName, const char* title,
                        QListWidget*& list, const char* listName, QLineEdit*& field,
                        const char* fieldName) {
        frame = new QGroupBox(QString::fromLatin1(title), this);
        frame->setObjectName(QString::fromLatin1(frameName));
        auto* layout = new QVBoxLayout(frame);
        layout->addWidget(new QLabel(QStringLiteral("Steel Type"), frame));
        list = new QListWidget(frame);
        list->setObjectName(QString::fromLatin1(listName));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMaximumHeight(60);
        layout->addWidget(list);
        layout->addWidget(new QLabel(QStringLiteral("Steel Yield Strength (MPa)"), frame));
        field = new QLineEdit(QStringLiteral("300"), frame);
        field->setObjectName(QString::fromLatin1(fieldName));
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

    Okbutton = new QPushButton(QStringLiteral("OK"), this);
    Okbutton->setObjectName(QStringLiteral("Okbutton"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {Okbutton, cmdCancel}) {
        button->setAutoDefault(false);
    }

    auto* groups = new QHBoxLayout;
    groups->addWidget(fraSteelPos);
    groups->addWidget(fraSteelNeg);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Okbutton);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);

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
    connect(Okbutton, &QPushButton::clicked, this, &frmSteelProperties::Okbutton_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSteelProperties::cmdCancel_Click);
    setEscapeHandler([this] { cmdCancel_Click(); });
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
    const double p = fieldNumber(txtSteelPosStrength);
    const std::optional<float> pos = p > 0 ? modelFloat(p) : std::nullopt;
    if (!pos) {
        refuse(QStringLiteral("Steel Yield Strength is invalid!"), true);
        setFieldNumber(txtSteelPosStrength, model().PosSteelStrength);
        returnFocus(txtSteelPosStrength);
        return;
    }
    const double n = fieldNumber(txtSteelNegStrength);
    const std::optional<float> neg = n > 0 ? modelFloat(n) : std::nullopt;
    if (!neg) {
        refuse(QStringLiteral("Steel Yield Strength is invalid!"), true);
        setFieldNumber(txtSteelNegStrength, model().NegSteelStrength);
        returnFocus(txtSteelNegStrength);
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
    setFieldNumber(txtSteelPosStrength, model().PosSteelStrength);
    setFieldNumber(txtSteelNegStrength, model().NegSteelStrength);
    SelectRow(lstSteelPosType, model().PosSteelType);
    SelectRow(lstSteelNegType, model().NegSteelType);
    model().Selected.PosSteelType = SteelTypeFromCode(model().PosSteelType);
    model().Selected.NegSteelType = SteelTypeFromCode(model().NegSteelType);
    hide();
}

}  // namespace fd9
