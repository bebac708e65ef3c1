#include "dialogs/frmAddSteel.h"

#include <QGridLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"
#include "platform/Platform.h"

namespace fd9 {

frmAddSteel::frmAddSteel(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmAddSteel"));
    setWindowTitle(QStringLiteral("Add Steel Reinforcement"));
    lblInstructions = Named(NewLabel("Enter coordinates for the centre of each bar or strand and "
                                     "click \"Add\". Measure coordinates from the TOP LEFT "
                                     "corner of the element."),
                            "lblInstructions");
    lblInstructions->setWordWrap(true);
    txtXcoordinate = NewField("txtXcoordinate");
    txtYcoordinate = NewField("txtYcoordinate");
    txtSteelDiameter = NewField("txtSteelDiameter");
    cmdAddSteel = NewButton("cmdAddSteel", "Add Steel");
    cmdFinished = NewButton("cmdFinished", "Finished");
    optAddPosMomentReinforcement =
        NewOption("optAddPosMomentReinforcement", "positive moment reinforcement");
    optAddNegMomentReinforcement =
        NewOption("optAddNegMomentReinforcement", "negative moment reinforcement");
    optAddPosMomentReinforcement->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInstructions);
    auto* grid = new QGridLayout;
    grid->addWidget(NewLabel("X - coordinate (mm)"), 0, 0);
    grid->addWidget(txtXcoordinate, 0, 1);
    grid->addWidget(NewLabel("Y - coordinate (mm)"), 1, 0);
    grid->addWidget(txtYcoordinate, 1, 1);
    grid->addWidget(NewLabel("Steel Diameter (mm)"), 2, 0);
    grid->addWidget(txtSteelDiameter, 2, 1);
    layout->addLayout(grid);
    layout->addWidget(optAddPosMomentReinforcement);
    layout->addWidget(optAddNegMomentReinforcement);
    layout->addLayout(NewButtonRow(ButtonRow::FullWidth, {cmdAddSteel, cmdFinished}));
    setTabOrder(txtXcoordinate, txtYcoordinate);
    setTabOrder(txtYcoordinate, txtSteelDiameter);
    setTabOrder(txtSteelDiameter, cmdAddSteel);
    setTabOrder(cmdAddSteel, cmdFinished);
    setTabOrder(cmdFinished, optAddPosMomentReinforcement);
    setTabOrder(optAddPosMomentReinforcement, optAddNegMomentReinforcement);
    txtXcoordinate->setFocus();

    watchField(txtXcoordinate, [this] { txtXcoordinate_KeyPress(Qt::Key_Return); });
    watchField(txtYcoordinate, [this] { txtYcoordinate_KeyPress(Qt::Key_Return); });
    watchField(txtSteelDiameter, [this] { txtSteelDiameter_KeyPress(Qt::Key_Return); });
    connect(cmdAddSteel, &QPushButton::clicked, this, &frmAddSteel::cmdAddSteel_Click);
    connect(cmdFinished, &QPushButton::clicked, this, &frmAddSteel::cmdFinished_Click);
    setButtons({cmdAddSteel, cmdFinished}, nullptr, {});
}

bool frmAddSteel::fieldPasses(QLineEdit* field, bool accepted, const QString& message) {
    if (accepted) {
        return true;
    }
    refuse(message);
    field->clear();
    field->setFocus();
    return false;
}

bool frmAddSteel::xAccepted(double x) {
    const FloorModel& m = model();
    const bool positive = optAddPosMomentReinforcement->isChecked();
    const double w = m.OverallWidth;
    const double halfRib = m.RibWidthTop / 2.0;
    // A positive bar must sit within the top width of a rib; the diameter is not counted.
    auto inRib = [&](double centre) { return centre - halfRib < x && x < centre + halfRib; };
    switch (m.Selected.FloorType) {
        case FloorType::Beam:
        case FloorType::Slab:
            return 0 < x && x <= m.SectionWidth;
        case FloorType::DoubleTee:
            return positive ? inRib(w / 4) || inRib(3 * w / 4) : 0 <= x && x <= w;
        case FloorType::TeeBeam:
            return positive ? inRib(w / 2) : 0 <= x && x <= w;
    }
    return true;
}

bool frmAddSteel::yAccepted(double y) {
    const FloorModel& m = model();
    const bool positive = optAddPosMomentReinforcement->isChecked();
    const double flange = static_cast<double>(m.OverallDepth) - m.RibDepth;
    switch (m.Selected.FloorType) {
        case FloorType::Beam:
        case FloorType::Slab:
            return 0 < y && y <= m.SectionDepth;
        case FloorType::DoubleTee:
        case FloorType::TeeBeam:
            // Positive bars in the rib, negative ones in the flange.
            return positive ? flange < y && y < m.OverallDepth : 0 < y && y < flange;
    }
    return true;
}

bool frmAddSteel::txtXcoordinate_KeyPress(int key) {
    if (!IsEnterKey(key)) {
        return true;
    }
    const bool teeBeamRib = model().Selected.FloorType == FloorType::TeeBeam &&
                            optAddPosMomentReinforcement->isChecked();
    // The tee-beam rib's message has always begun with a blank.
    return fieldPasses(txtXcoordinate, xAccepted(FieldNumber(txtXcoordinate)),
                       teeBeamRib ? QStringLiteral(" X Coordinate is invalid!")
                                  : QStringLiteral("X Coordinate is invalid!"));
}

bool frmAddSteel::txtYcoordinate_KeyPress(int key) {
    if (!IsEnterKey(key)) {
        return true;
    }
    return fieldPasses(txtYcoordinate, yAccepted(FieldNumber(txtYcoordinate)),
                       QStringLiteral("Y Coordinate is invalid!"));
}

bool frmAddSteel::txtSteelDiameter_KeyPress(int key) {
    if (!IsEnterKey(key)) {
        return true;
    }
    return fieldPasses(txtSteelDiameter, FieldNumber(txtSteelDiameter) > 0,
                       QStringLiteral("Steel Diameter is invalid!"));
}

void frmAddSteel::cmdAddSteel_Click() {
    if (!decimalPointsOnly()) {
        return;
    }
    txtSteelDiameter_KeyPress(Qt::Key_Return);
    txtXcoordinate_KeyPress(Qt::Key_Return);
    txtYcoordinate_KeyPress(Qt::Key_Return);
    // A field can pass empty (0 is a valid x for a flange bar) yet still add nothing.
    const bool complete = !txtXcoordinate->text().isEmpty() && !txtYcoordinate->text().isEmpty() &&
                          !txtSteelDiameter->text().isEmpty();
    if (complete) {
        const bool positive = optAddPosMomentReinforcement->isChecked();
        FloorModel& m = model();
        std::int16_t& count = positive ? m.PosSteelCount : m.NegSteelCount;
        const QString group = positive ? QStringLiteral("Positive Moment Steel Bar/Strand ")
                                       : QStringLiteral("Negative Moment Steel Bar/Strand ");
        if (count >= MaxSteelRows || count < 0) {
            refuse((positive ? QStringLiteral("The positive moment reinforcement")
                             : QStringLiteral("The negative moment reinforcement")) +
                   QStringLiteral(" already holds %1 bars/strands; no more can be added.")
                       .arg(MaxSteelRows));
        } else {
            SteelTable& table = positive ? m.PosSteel : m.NegSteel;
            auto& row = table[count];
            StoreFieldNumber(row[SteelX], FieldNumber(txtXcoordinate));
            StoreFieldNumber(row[SteelY], FieldNumber(txtYcoordinate));
            StoreFieldNumber(row[SteelDiameter], FieldNumber(txtSteelDiameter));
            ++count;
            host().refreshBarLists();
            platform().messageBox(group + NumberQText(count) + QStringLiteral(" has been added."),
                                  QString::fromLatin1(AppTitle), MsgIcon::None, MsgButtons::OK);
        }
    }
    host().DrawCrossSection();
}

void frmAddSteel::cmdFinished_Click() {
    hide();
    host().DrawCrossSection();
}

}  // namespace fd9
