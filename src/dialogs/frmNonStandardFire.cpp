#include "dialogs/frmNonStandardFire.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <cstdint>

#include "dialogs/DialogParts.h"
#include "model/FireRatings.h"
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

using F = frmNonStandardFire;
struct Choice {
    QRadioButton* F::*option;
    const char* name;
};
// In the order of FireLoads and OpeningFactors.
constexpr std::array<Choice, FireLoads.size()> FireLoadOptions = {{
    {&F::optLowFireLoad, "optLowFireLoad"},
    {&F::optMedFireLoad, "optMedFireLoad"},
    {&F::optHighFireLoad, "optHighFireLoad"},
}};
constexpr std::array<Choice, OpeningFactors.size()> OpeningFactorOptions = {{
    {&F::optOpeningFactor01, "optOpeningFactor01"},
    {&F::optOpeningFactor02, "optOpeningFactor02"},
    {&F::optOpeningFactor04, "optOpeningFactor04"},
    {&F::optOpeningFactor08, "optOpeningFactor08"},
    {&F::optOpeningFactor15, "optOpeningFactor15"},
}};

}  // namespace

frmNonStandardFire::frmNonStandardFire(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmNonStandardFire"));
    setWindowTitle(QStringLiteral("Non Standard Design Fire"));

    fraFireLoad = Named(new QGroupBox(this), "fraFireLoad");
    lblFireLoad = Named(NewLabel("Fire Load per Unit Floor Area", fraFireLoad), "lblFireLoad");
    auto* fireLoad = new QVBoxLayout(fraFireLoad);
    fireLoad->addWidget(lblFireLoad);
    auto* fireLoads = new QButtonGroup(this);
    for (std::size_t i = 0; i < FireLoads.size(); ++i) {
        QRadioButton* option = Named(new QRadioButton(QString::number(FireLoads[i]) +
                                                          QStringLiteral(" kg/sqm wood equivalent"),
                                                      fraFireLoad),
                                     FireLoadOptions[i].name);
        this->*FireLoadOptions[i].option = option;
        fireLoad->addWidget(option);
        fireLoads->addButton(option);
    }

    fraOpeningFactor = Named(new QGroupBox(this), "fraOpeningFactor");
    lblOpeningFactor = Named(NewLabel("Opening Factor", fraOpeningFactor), "lblOpeningFactor");
    picFrame = Named(new QWidget(fraOpeningFactor), "picFrame");
    Label1 = Named(NewLabel("Opening Factor", picFrame), "Label1");
    auto* factors = new QHBoxLayout(picFrame);
    factors->addWidget(Label1);
    auto* openingFactors = new QButtonGroup(this);
    for (std::size_t i = 0; i < OpeningFactors.size(); ++i) {
        // Six significant digits give the float as it was written: "0.04".
        QRadioButton* option = Named(new QRadioButton(QString::number(OpeningFactors[i]), picFrame),
                                     OpeningFactorOptions[i].name);
        this->*OpeningFactorOptions[i].option = option;
        factors->addWidget(option);
        openingFactors->addButton(option);
    }
    auto* opening = new QVBoxLayout(fraOpeningFactor);
    opening->addWidget(lblOpeningFactor);
    opening->addWidget(picFrame);

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
    for (std::size_t i = 0; i < FireLoads.size(); ++i) {
        if (model().FireLoad == FireLoads[i]) {
            fireLoad = this->*FireLoadOptions[i].option;
        }
    }
    CheckOnly(optLowFireLoad->group(), fireLoad);
    QRadioButton* openingFactor = nullptr;
    for (std::size_t i = 0; i < OpeningFactors.size(); ++i) {
        if (model().OpeningFactor == OpeningFactors[i]) {
            openingFactor = this->*OpeningFactorOptions[i].option;
        }
    }
    CheckOnly(optOpeningFactor01->group(), openingFactor);
}

void frmNonStandardFire::cmdOK_Click() {
    // With no option of a group selected (a model file with another value) its field stays.
    for (std::size_t i = 0; i < FireLoads.size(); ++i) {
        if ((this->*FireLoadOptions[i].option)->isChecked()) {
            model().FireLoad = FireLoads[i];
        }
    }
    for (std::size_t i = 0; i < OpeningFactors.size(); ++i) {
        if ((this->*OpeningFactorOptions[i].option)->isChecked()) {
            model().OpeningFactor = OpeningFactors[i];
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
