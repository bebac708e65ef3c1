#include "dialogs/frmSlabDimensions.h"

#include <QGridLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"

namespace fd9 {

namespace {

constexpr float SlabStripWidth = 1000;  // mm

const QString InvalidDepth = QStringLiteral("Slab Depth is Invalid!");

}  // namespace

frmSlabDimensions::frmSlabDimensions(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmSlabDimensions"));
    setWindowTitle(QStringLiteral("Floor Slab Dimensions"));
    txtSlabDepth = NewField("txtSlabDepth", "150");
    lblSlabWidth = Named(NewLabel("Width (mm)    1000"), "lblSlabWidth");
    cmdOK = NewButton("cmdOK", "OK");
    cmdCancel = NewButton("cmdCancel", "Cancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(NewLabel("Depth (mm)"), 0, 0);
    grid->addWidget(txtSlabDepth, 0, 1);
    grid->addWidget(lblSlabWidth, 1, 0, 1, 2);
    grid->addLayout(NewButtonRow(ButtonRow::FullWidth, {cmdOK, cmdCancel}), 2, 0, 1, 2);
    setTabOrder(txtSlabDepth, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    txtSlabDepth->setFocus();

    watchField(
        txtSlabDepth, [this] { txtSlabDepth_KeyPress(Qt::Key_Return); },
        [this] { txtSlabDepth_LostFocus(); });
    setOkCancel(
        cmdOK, [this] { cmdOK_Click(); }, cmdCancel, [this] { cmdCancel_Click(); });
}

void frmSlabDimensions::showModelValues() {
    txtSlabDepth->setText(NumberQText(model().SectionDepth));
}

bool frmSlabDimensions::eventFilter(QObject* watched, QEvent* event) {
    // Enter reaches the handler through watchField; every other typed key here.
    if (watched == txtSlabDepth && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsTypedKey(key) && !IsEnterKey(key.key())) {
            txtSlabDepth_KeyPress(key.key());
        }
    }
    return InputDialog::eventFilter(watched, event);
}

double frmSlabDimensions::storeDepth() {
    // The slab depth reaches the model before it is checked, refused or not.
    const double depth = FieldNumber(txtSlabDepth);
    StoreFieldNumber(model().SectionDepth, depth);
    return depth;
}

void frmSlabDimensions::txtSlabDepth_KeyPress(int key) {
    const double depth = storeDepth();
    if (!IsEnterKey(key)) {
        return;
    }
    if (depth > 0) {
        host().DrawCrossSection();
    } else {
        refuse(InvalidDepth);
    }
}

void frmSlabDimensions::txtSlabDepth_LostFocus() {
    if (!(storeDepth() > 0)) {
        refuse(InvalidDepth);
        txtSlabDepth->setFocus();
    }
    host().DrawCrossSection();
}

void frmSlabDimensions::cmdOK_Click() {
    if (!decimalPointsOnly() || !storable(txtSlabDepth, InvalidDepth)) {
        return;
    }
    storeDepth();
    model().SectionWidth = SlabStripWidth;
    host().setFloorType(FloorType::Slab);
    hide();
    host().DrawCrossSection();
}

void frmSlabDimensions::cmdCancel_Click() {
    hide();
}

}  // namespace fd9
