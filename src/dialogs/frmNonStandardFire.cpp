#include "dialogs/frmNonStandardFire.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdint>

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

QRadioButton* Option(QWidget* parent, const char* name, const char* caption) {
    auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

// Selects the one option of an exclusive group, or none when nothing matches.
void CheckOnly(QButtonGroup* group, QRadioButton* chosen) {
    if (chosen) {
        chosen->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* option : group->buttons()) {
        option->setChecked(false);
    }
    group->setExclusive(true);
}

}  // namespace

frmNonStandardFire::frmNonStandardFire(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmNonStandardFire"));
    setWindowTitle(QStringLiteral("Non Standard Design Fire"));

    fraFireLoad = new QGroupBox(this);
    fraFireLoad->setObjectName(QStringLiteral("fraFireLoad"));
    lblFireLoad = new QLabel(QStringLiteral("Fire Load per Unit Floor Area"), fraFireLoad);
    lblFireLoad->setObjectName(QStringLiteral("lblFireLoad"));
    optLowFireLoad = Option(fraFireLoad, "optLowFireLoad", "37 kg/sqm wood equivalent");
    optMedFireLoad = Option(fraFireLoad, "optMedFireLoad", "74 kg/sqm wood equivalent");
    optHighFireLoad = Option(fraFireLoad, "optHighFireLoad", "111 kg/sqm wood equivalent");
    auto* fireLoad = new QVBoxLayout(fraFireLoad);
    fireLoad->addWidget(lblFireLoad);
    for (QRadioButton* option : {optLowFireLoad, optMedFireLoad, optHighFireLoad}) {
        fireLoad->addWidget(option);
    }

    fraOpeningFactor = new QGroupBox(this);
    fraOpeningFactor->setObjectName(QStringLiteral("fraOpeningFactor"));
    lblOpeningFactor = new QLabel(QStringLiteral("Opening Factor"), fraOpeningFactor);
    lblOpeningFactor->setObjectName(QStringLiteral("lblOpeningFactor"));
    picFrame = new QWidget(fraOpeningFactor);
    picFrame->setObjectName(QStringLiteral("picFrame"));
    Label1 = new QLabel(QStringLiteral("Opening Factor"), picFrame);
    Label1->setObjectName(QStringLiteral("Label1"));
    optOpeningFactor01 = Option(picFrame, "optOpeningFactor01", "0.01");
    optOpeningFactor02 = Option(picFrame, "optOpeningFactor02", "0.02");
    optOpeningFactor04 = Option(picFrame, "optOpeningFactor04", "0.04");
    optOpeningFactor08 = Option(picFrame, "optOpeningFactor08", "0.08");
    optOpeningFactor15 = Option(picFrame, "optOpeningFactor15", "0.15");
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

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    hlpNonStandardFire = new QPushButton(QStringLiteral("Help"), this);
    hlpNonStandardFire->setObjectName(QStringLiteral("hlpNonStandardFire"));
    // Enter always means OK here, whichever button has the focus.
    for (QPushButton* button : {cmdCancel, hlpNonStandardFire}) {
        button->setAutoDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(hlpNonStandardFire);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraFireLoad);
    layout->addWidget(fraOpeningFactor);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmNonStandardFire::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNonStandardFire::cmdCancel_Click);
    connect(hlpNonStandardFire, &QPushButton::clicked, this,
            &frmNonStandardFire::hlpNonStandardFire_Click);
    setEscapeHandler([this] { cmdCancel_Click(); });
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
