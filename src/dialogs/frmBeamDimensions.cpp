#include "dialogs/frmBeamDimensions.h"

#include <QGridLayout>
#include <cmath>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"

namespace fd9 {

namespace {

// Wider than this and shallower than wide, a member is better treated as a slab.
constexpr double SlabAdviceWidth = 300;

const QString SlabAdvice = QStringLiteral("You should treat the beam as a slab.");

}  // namespace

frmBeamDimensions::frmBeamDimensions(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmBeamDimensions"));
    setWindowTitle(QStringLiteral("Rectangular Beam Dimensions"));
    txtBeamWidth = NewField("txtBeamWidth", "300");
    txtBeamDepth = NewField("txtBeamDepth", "500");
    cmdOK = NewButton("cmdOK", "OK");
    cmdCancel = NewButton("cmdCancel", "Cancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(NewLabel("Width (mm)"), 0, 0);
    grid->addWidget(txtBeamWidth, 0, 1);
    grid->addWidget(NewLabel("Depth (mm)"), 1, 0);
    grid->addWidget(txtBeamDepth, 1, 1);
    grid->addLayout(NewButtonRow(ButtonRow::FullWidth, {cmdOK, cmdCancel}), 2, 0, 1, 2);
    setTabOrder(txtBeamWidth, txtBeamDepth);
    setTabOrder(txtBeamDepth, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    txtBeamWidth->setFocus();

    watchField(
        txtBeamWidth, [this] { txtBeamWidth_KeyPress(Qt::Key_Return); },
        [this] { txtBeamWidth_LostFocus(); });
    watchField(
        txtBeamDepth, [this] { txtBeamDepth_KeyPress(Qt::Key_Return); },
        [this] { txtBeamDepth_LostFocus(); });
    setOkCancel(
        cmdOK, [this] { cmdOK_Click(); }, cmdCancel, [this] { cmdCancel_Click(); });
}

void frmBeamDimensions::showModelValues() {
    txtBeamWidth->setText(NumberQText(model().SectionWidth));
    txtBeamDepth->setText(NumberQText(model().SectionDepth));
}

bool frmBeamDimensions::eventFilter(QObject* watched, QEvent* event) {
    // Enter reaches the handlers through watchField; every other typed key here.
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsTypedKey(key) && !IsEnterKey(key.key())) {
            if (watched == txtBeamDepth) {
                txtBeamDepth_KeyPress(key.key());
            } else if (watched == txtBeamWidth) {
                txtBeamWidth_KeyPress(key.key());
            }
        }
    }
    return InputDialog::eventFilter(watched, event);
}

void frmBeamDimensions::txtBeamDepth_KeyPress(int key) {
    if (IsEnterKey(key)) {
        const double depth = FieldNumber(txtBeamDepth);
        const double width = FieldNumber(txtBeamWidth);
        if (depth > 0 && depth >= width) {
            model().SectionDepth = static_cast<float>(depth);
        } else if (width > SlabAdviceWidth && depth < width) {
            refuse(SlabAdvice);
        } else {
            refuse(QStringLiteral("Beam Depth is invalid!"));
        }
    }
    host().DrawCrossSection();
}

void frmBeamDimensions::txtBeamDepth_LostFocus() {
    const double depth = FieldNumber(txtBeamDepth);
    const double width = FieldNumber(txtBeamWidth);
    if (depth > 0 && depth >= width) {
        // Tidies the text to the number it gives; storing waits for Enter or OK.
        txtBeamDepth->setText(NumberQText(depth));
        host().DrawCrossSection();
    } else if (depth < width && width > SlabAdviceWidth) {
        refuse(SlabAdvice);
    } else {
        refuse(QStringLiteral("Invalid Dimensions!"));
    }
}

void frmBeamDimensions::checkWidth() {
    const double depth = FieldNumber(txtBeamDepth);
    const double width = FieldNumber(txtBeamWidth);
    if (std::isnan(width)) {
        // A number no float holds would otherwise be dropped without a word.
        refuse(QStringLiteral("Invalid Dimensions!"));
        return;
    }
    if (width > depth && width > SlabAdviceWidth) {
        refuse(SlabAdvice);
        return;
    }
    // Narrow widths pass even when not positive or wider than deep; only the slab advice
    // keeps a value out.
    StoreFieldNumber(model().SectionWidth, width);
}

void frmBeamDimensions::txtBeamWidth_KeyPress(int key) {
    if (IsEnterKey(key)) {
        checkWidth();
    }
    host().DrawCrossSection();
}

void frmBeamDimensions::txtBeamWidth_LostFocus() {
    checkWidth();
    host().DrawCrossSection();
}

void frmBeamDimensions::cmdOK_Click() {
    if (!decimalPointsOnly()) {
        return;
    }
    const std::optional<float> width =
        storable(txtBeamWidth, QStringLiteral("Invalid Dimensions!"));
    const std::optional<float> depth =
        width ? storable(txtBeamDepth, QStringLiteral("Beam Depth is invalid!")) : std::nullopt;
    if (!depth) {
        return;
    }
    model().SectionWidth = *width;
    model().SectionDepth = *depth;
    host().setFloorType(FloorType::Beam);
    hide();
    host().DrawCrossSection();
}

void frmBeamDimensions::cmdCancel_Click() {
    hide();
}

}  // namespace fd9
