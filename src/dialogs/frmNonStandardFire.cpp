#include "dialogs/frmNonStandardFire.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdint>

#include "dialogs/DialogParts.h"
#include "model/FloorModel.h"
#include "platform/Platform.h"

namespace fd9 {

namespace {

const char* const HelpText =
    "The heating conditions of the ISO 834 standard fire resistance test may be taken as "
    "representative of those of the BS 476 and AS 1530.4 tests. The non-standard fires offered "
    "here are time-temperature curves given by Lie's expression (Structural Fire Protection, "
    "American Society of Civil Engineers, New York, 1992). Finite-element analyses of heating "
    "by these curves produced the temperature data for alluvial quartz concrete for each of the "
    "fire load energy densities and opening factors that can be chosen.";

struct FireLoadChoice {
    QRadioButton* frmNonStandardFire::*option;
    std::int16_t fireLoad;  // kg/m2 wood equivalent
};
const FireLoadChoice FireLoads[] = {
    {&frmNonStandardFire::optLowFireLoad, 37},
    {&frmNonStandardFire::optMedFireLoad, 74},
    {&frmNonStandardFire::optHighFireLoad, 111},
};

struct OpeningFactorChoice {
    QRadioButton* frmNonStandardFire::*option;
    float openingFactor;  // m^0.5
};
const OpeningFactorChoice OpeningFactors[] = {
    {&frmNonStandardFire::optOpeningFactor01, 0.01f},
    {&frmNonStandardFire::optOpeningFactor02, 0.02f},
    {&frmNonStandardFire::optOpeningFactor04, 0.04f},
    {&frmNonStandardFire::optOpeningFactor08, 0.08f},
    {&frmNonStandardFire::optOpeningFactor15, 0.15f},
};

}  // namespace

frmNonStandardFire::frmNonStandardFire(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmNonStandardFire"));
    setWindowTitle(QStringLiteral("Non Standard Design Fire"));

    fraFireLoad = Named(new QGroupBox(this), "fraFireLoad");
    lblFireLoad = Named(NewLabel("Fire Load per Unit Floor Area", fraFireLoad), "lblFireLoad");
    optLowFireLoad = NewOption("optLowFireLoad", "37 kg/sqm wood equivalent", fraFireLoad);
    optMedFireLoad = NewOption("optMedFireLoad", "74 kg/sqm wood equivalent", fraFireLoad);
    optHighFireLoad = NewOption("optHighFireLoad", "111 kg/sqm wood equivalent", fraFireLoad);
    auto* fireLoad = new QVBoxLayout(fraFireLoad);
    fireLoad->addWidget(lblFireLoad);
    for (QRadioButton* option : {optLowFireLoad, optMedFireLoad, optHighFireLoad}) {
        fireLoad->addWidget(option);
    }

    fraOpeningFactor = Named(new QGroupBox(this), "fraOpeningFactor");
    lblOpeningFactor = Named(NewLabel("Opening Factor", fraOpeningFactor), "lblOpeningFactor");
    picFrame = Named(new QWidget(fraOpeningFactor), "picFrame");
    Label1 = Named(NewLabel("Opening Factor", picFrame), "Label1");
    optOpeningFactor01 = NewOption("optOpeningFactor01", "0.01", picFrame);
    optOpeningFactor02 = NewOption("optOpeningFactor02", "0.02", picFrame);
    optOpeningFactor04 = NewOption("optOpeningFactor04", "0.04", picFrame);
    optOpeningFactor08 = NewOption("optOpeningFactor08", "0.08", picFrame);
    optOpeningFactor15 = NewOption("optOpeningFactor15", "0.15", picFrame);
    auto* factors = new QHBoxLayout(picFrame);
    factors->addWidget(Label1);
    for (const OpeningFactorChoice& choice : OpeningFactors) {
        factors->addWidget(this->*choice.option);
    }
    auto* opening = new QVBoxLayout(fraOpeningFactor);
    opening->addWidget(lblOpeningFactor);
    opening->addWidget(picFrame);

    auto* fireLoads = new QButtonGroup(this);
    for (const FireLoadChoice& choice : FireLoads) {
        fireLoads->addButton(this->*choice.option);
    }
    auto* openingFactors = new QButtonGroup(this);
    for (const OpeningFactorChoice& choice : OpeningFactors) {
        openingFactors->addButton(this->*choice.option);
    }
    optLowFireLoad->setChecked(true);
    optOpeningFactor04->setChecked(true);

    cmdOK = NewButton("cmdOK", "OK", this);
    cmdCancel = NewButton("cmdCancel", "Cancel", this);
    hlpNonStandardFire = NewButton("hlpNonStandardFire", "Help", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraFireLoad);
    layout->addWidget(fraOpeningFactor);
    layout->addLayout(NewButtonRow(ButtonRow::Right, {cmdOK, cmdCancel, hlpNonStandardFire}));

    connect(cmdOK, &QPushButton::clicked, this, &frmNonStandardFire::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNonStandardFire::cmdCancel_Click);
    connect(hlpNonStandardFire, &QPushButton::clicked, this,
            &frmNonStandardFire::hlpNonStandardFire_Click);
    // Enter in the dialog means OK here.
    setButtons({cmdOK, cmdCancel, hlpNonStandardFire}, cmdOK, [this] { cmdCancel_Click(); });
}

void frmNonStandardFire::showModelValues() {
    QRadioButton* fireLoad = nullptr;
    for (const FireLoadChoice& choice : FireLoads) {
        if (model().FireLoad == choice.fireLoad) {
            fireLoad = this->*choice.option;
        }
    }
    CheckOnly(optLowFireLoad->group(), fireLoad);
    QRadioButton* openingFactor = nullptr;
    for (const OpeningFactorChoice& choice : OpeningFactors) {
        if (model().OpeningFactor == choice.openingFactor) {
            openingFactor = this->*choice.option;
        }
    }
    CheckOnly(optOpeningFactor01->group(), openingFactor);
}

void frmNonStandardFire::cmdOK_Click() {
    // With no option of a group selected (a model file with another value) its field stays.
    for (const FireLoadChoice& choice : FireLoads) {
        if ((this->*choice.option)->isChecked()) {
            model().FireLoad = choice.fireLoad;
        }
    }
    for (const OpeningFactorChoice& choice : OpeningFactors) {
        if ((this->*choice.option)->isChecked()) {
            model().OpeningFactor = choice.openingFactor;
        }
    }
    host().setDesignFire(DesignFire::NonStandard);
    hide();
}

void frmNonStandardFire::cmdCancel_Click() {
    hide();
}

void frmNonStandardFire::hlpNonStandardFire_Click() {
    platform().messageBox(QString::fromLatin1(HelpText), QString::fromLatin1(AppTitle),
                          MsgIcon::None, MsgButtons::OK);
}

}  // namespace fd9
