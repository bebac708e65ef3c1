#include "dialogs/frmStandardFire.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/DialogParts.h"
#include "model/FireRatings.h"
#include "model/FloorModel.h"
#include "model/WholeNumber.h"

namespace fd9 {

namespace {

constexpr std::int16_t MinFRR = StandardRatings.front();
constexpr std::int16_t MaxFRR = StandardRatings.back();
constexpr std::int16_t RefusedFRR = 60;

// The standard ratings as a sentence lists them: "30, 60, ..., 180 or 240".
QString RatingsText() {
    QStringList ratings;
    for (const std::int16_t rating : StandardRatings) {
        ratings << QString::number(rating);
    }
    const QString longest = ratings.takeLast();
    return ratings.join(QStringLiteral(", ")) + QStringLiteral(" or ") + longest;
}

}  // namespace

frmStandardFire::frmStandardFire(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmStandardFire"));
    setWindowTitle(QStringLiteral("Standard Design Fire (ISO 834 Curve)"));

    lblFRRequired = Named(NewLabel("Enter Fire Resistance Rating (FRR) Required in minutes", this),
                          "lblFRRequired");
    txtFRRequired = NewField("txtFRRequired", "60", this);
    Label1 = Named(new QLabel(QStringLiteral("The program will change the entered value to the "
                                             "nearest lower value of %1 minutes in the "
                                             "calculation.")
                                  .arg(RatingsText()),
                              this),
                   "Label1");
    Label1->setWordWrap(true);
    cmdOK = NewButton("cmdOK", "OK", this);
    cmdCancel = NewButton("cmdCancel", "Cancel", this);

    auto* rating = new QHBoxLayout;
    rating->addWidget(lblFRRequired);
    rating->addWidget(txtFRRequired);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rating);
    layout->addWidget(Label1);
    layout->addLayout(NewButtonRow(ButtonRow::Right, {cmdOK, cmdCancel}));

    watchField(txtFRRequired, [this] { txtFRRequired_KeyPress(); });
    setOkCancel(
        cmdOK, [this] { cmdOK_Click(); }, cmdCancel, [this] { cmdCancel_Click(); });
}

void frmStandardFire::showModelValues() {
    setFieldNumber(txtFRRequired, model().FRRequired);
}

bool frmStandardFire::txtFRRequired_KeyPress() {
    const double v = fieldNumber(txtFRRequired);
    const std::optional<std::int16_t> nearest = RoundToInt16(v);
    // The check rounds to the nearest minute but the rating kept is rounded down, so 29.5 to
    // 29.99 would pass and leave a rating of 0 minutes: refuse that too.
    if (!nearest || *nearest < MinFRR || *nearest > MaxFRR || std::floor(v) < MinFRR) {
        refuse(QStringLiteral("FRR is outside valid range!"), true);
        setFieldNumber(txtFRRequired, RefusedFRR);
        returnFocus(txtFRRequired);
        return false;
    }
    model().FRRequired = static_cast<std::int16_t>(std::floor(v));
    return true;
}

void frmStandardFire::cmdOK_Click() {
    if (!decimalPointsOnly()) {
        return;
    }
    // After a refusal the field holds 60, so 60 is what OK keeps.
    txtFRRequired_KeyPress();
    model().FRRequired =
        RoundDownToRating(static_cast<std::int16_t>(std::floor(fieldNumber(txtFRRequired))));
    host().setDesignFire(DesignFire::Standard);
    hide();
}

void frmStandardFire::cmdCancel_Click() {
    setFieldNumber(txtFRRequired, model().FRRequired);
    hide();
}

}  // namespace fd9
