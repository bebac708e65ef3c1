#include "dialogs/frmDesignLoads.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"
#include "model/FloorModel.h"

namespace fd9 {

namespace {

struct FieldRule {
    float FloorModel::*target;
    bool (*acceptedOnEnter)(double);
    bool (*acceptedOnLeaving)(double);
    const char* message;
    float resetValue;
    bool beepOnLeaving;
};

bool Positive(double v) {
    return v > 0;
}
bool NotNegative(double v) {
    return v >= 0;
}
bool AtLeastOneMetre(double v) {
    return v >= 1;
}
bool Fraction(double v) {
    return v >= 0 && v <= 1;
}

// The factor fields start at, and a refusal returns them to, the factors of the initial
// choice: NZS 4203 for domestic floors.
constexpr float DefaultLiveLoadFactor = NzsLiveLoadFactor(Occupancy::DomesticFloors);

// Indexed by LoadField. A refused field shows its fixed reset text, not the model's value.
const FieldRule Rules[] = {
    {&FloorModel::DeadLoad, Positive, Positive, "Dead Load is invalid!", 0, false},
    {&FloorModel::LiveLoad, NotNegative, NotNegative, "Live Load is invalid!", 0, false},
    // A span under 1 m passes Enter but not leaving the field.
    {&FloorModel::Span, Positive, AtLeastOneMetre, "Span is invalid!", 5, false},
    {&FloorModel::DeadLoadFactor, NotNegative, NotNegative, "Value is invalid!", NzsDeadLoadFactor,
     true},
    {&FloorModel::LiveLoadFactor, Fraction, Fraction, "Value is invalid!", DefaultLiveLoadFactor,
     false},
};

// In the order of Occupancies.
constexpr std::array<QRadioButton * frmDesignLoads::*, Occupancies.size()> OccupancyOptions = {
    &frmDesignLoads::optRoofs, &frmDesignLoads::optDomesticFloors,
    &frmDesignLoads::optStorageFloors};

}  // namespace

frmDesignLoads::frmDesignLoads(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmDesignLoads"));
    setWindowTitle(QStringLiteral("LOADS"));
    buildControls();
    layOut();
    connectHandlers();
}

// Built with their parent, so the tab order is the order of creation.
void frmDesignLoads::buildControls() {
    txtDeadLoad = NewField("txtDeadLoad", "6", this);
    txtLiveLoad = NewField("txtLiveLoad", "16", this);
    txtSpan = NewField("txtSpan", "12", this);
    optNZS4203 = NewOption("optNZS4203", "to NZS 4203 : 1992", this);
    optUserSpecified =
        NewOption("optUserSpecified", "User specified load combination factor", this);
    lblDeadLoadReduction =
        Named(NewLabel("dead load combination factor", this), "lblDeadLoadReduction");
    txtDeadLoadReduction = NewField("txtDeadLoadReduction", "1.0", this);
    lblLiveLoadReduction =
        Named(NewLabel("live load combination factor", this), "lblLiveLoadReduction");
    txtLiveLoadReduction = NewField("txtLiveLoadReduction", "0.4", this);
    optRoofs = NewOption("optRoofs", "Roofs", this);
    optDomesticFloors =
        NewOption("optDomesticFloors", "Floors (domestic, office, parking and retail)", this);
    optStorageFloors = NewOption("optStorageFloors", "Floors (storage and other)", this);
    fraEndSupport =
        Named(new QGroupBox(QStringLiteral("End Support Conditions"), this), "fraEndSupport");
    optSimplySupported = NewOption("optSimplySupported", "Simply Supported", fraEndSupport);
    optContinuous = NewOption("optContinuous", "Continuous Over Supports", fraEndSupport);
    cmdOK = NewButton("cmdOK", "OK", this);

    NewGroup(this, {optNZS4203, optUserSpecified});
    NewGroup(this, {optRoofs, optDomesticFloors, optStorageFloors});
    NewGroup(this, {optSimplySupported, optContinuous});
    // The factor fields are off while NZS 4203 is chosen, from the start: OK does not read
    // them, so a field open to typing would show a factor the model never gets.
    optNZS4203->setChecked(true);
    optDomesticFloors->setChecked(true);
    enableFactorFields(false);
    (IsContinuous(model()) ? optContinuous : optSimplySupported)->setChecked(true);
}

void frmDesignLoads::layOut() {
    auto* loads = new QGridLayout;
    loads->addWidget(NewLabel("Dead Load (kN/m)", this), 0, 0);
    loads->addWidget(txtDeadLoad, 0, 1);
    loads->addWidget(NewLabel("Reduced Live Load (kN/m)", this), 1, 0);
    loads->addWidget(txtLiveLoad, 1, 1);
    loads->addWidget(NewLabel("Span (m)", this), 2, 0);
    loads->addWidget(txtSpan, 2, 1);
    auto* factors = new QGridLayout;
    factors->addWidget(optNZS4203, 0, 0, 1, 2);
    factors->addWidget(optRoofs, 1, 1);
    factors->addWidget(optDomesticFloors, 2, 1);
    factors->addWidget(optStorageFloors, 3, 1);
    factors->addWidget(optUserSpecified, 4, 0, 1, 2);
    factors->addWidget(lblDeadLoadReduction, 5, 1);
    factors->addWidget(txtDeadLoadReduction, 5, 2);
    factors->addWidget(lblLiveLoadReduction, 6, 1);
    factors->addWidget(txtLiveLoadReduction, 6, 2);
    factors->setColumnMinimumWidth(0, 20);
    auto* support = new QVBoxLayout(fraEndSupport);
    support->addWidget(optSimplySupported);
    support->addWidget(optContinuous);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(loads);
    layout->addLayout(factors);
    layout->addWidget(fraEndSupport);
    layout->addLayout(NewButtonRow(ButtonRow::Right, {cmdOK}));
}

void frmDesignLoads::connectHandlers() {
    using D = frmDesignLoads;
    const struct {
        QLineEdit* D::*field;
        void (D::*keyPress)();
        void (D::*lostFocus)();
    } fields[] = {
        {&D::txtDeadLoad, &D::txtDeadLoad_KeyPress, &D::txtDeadLoad_LostFocus},
        {&D::txtLiveLoad, &D::txtLiveLoad_KeyPress, &D::txtLiveLoad_LostFocus},
        {&D::txtSpan, &D::txtSpan_KeyPress, &D::txtSpan_LostFocus},
        {&D::txtDeadLoadReduction, &D::txtDeadLoadReduction_KeyPress,
         &D::txtDeadLoadReduction_LostFocus},
        {&D::txtLiveLoadReduction, &D::txtLiveLoadReduction_KeyPress,
         &D::txtLiveLoadReduction_LostFocus},
    };
    for (const auto& f : fields) {
        watchField(
            this->*f.field, [this, f] { (this->*f.keyPress)(); },
            [this, f] { (this->*f.lostFocus)(); });
    }
    connect(optNZS4203, &QRadioButton::clicked, this, &D::optNZS4203_Click);
    connect(optUserSpecified, &QRadioButton::clicked, this, &D::optUserSpecified_Click);
    connect(optRoofs, &QRadioButton::clicked, this, &D::optRoofs_Click);
    connect(optDomesticFloors, &QRadioButton::clicked, this, &D::optDomesticFloors_Click);
    connect(optStorageFloors, &QRadioButton::clicked, this, &D::optStorageFloors_Click);
    connect(optContinuous, &QRadioButton::toggled, this, [this](bool continuous) {
        model().Selected.SupportCondition =
            continuous ? SupportCondition::Continuous : SupportCondition::SimplySupported;
    });
    connect(cmdOK, &QPushButton::clicked, this, &D::cmdOK_Click);
    setButtons({cmdOK}, nullptr, {});
}

bool frmDesignLoads::checkField(LoadField which, bool leaving) {
    static const std::array<QLineEdit * frmDesignLoads::*, 5> fields = {
        &frmDesignLoads::txtDeadLoad, &frmDesignLoads::txtLiveLoad, &frmDesignLoads::txtSpan,
        &frmDesignLoads::txtDeadLoadReduction, &frmDesignLoads::txtLiveLoadReduction};
    const FieldRule& rule = Rules[static_cast<int>(which)];
    QLineEdit* field = this->*fields[static_cast<std::size_t>(which)];

    const double v = fieldNumber(field);
    const bool accepted = leaving ? rule.acceptedOnLeaving(v) : rule.acceptedOnEnter(v);
    if (const std::optional<float> value = accepted ? ModelFloat(v) : std::nullopt) {
        model().*rule.target = *value;
        return true;
    }
    refuse(QString::fromLatin1(rule.message), leaving && rule.beepOnLeaving);
    setFieldNumber(field, rule.resetValue);
    returnFocus(field);
    return false;
}

void frmDesignLoads::enableFactorFields(bool userSpecified) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblDeadLoadReduction, txtDeadLoadReduction,
                                                      lblLiveLoadReduction, txtLiveLoadReduction}) {
        w->setEnabled(userSpecified);
    }
    for (QRadioButton* option : {optRoofs, optDomesticFloors, optStorageFloors}) {
        option->setEnabled(!userSpecified);
    }
}

void frmDesignLoads::optNZS4203_Click() {
    enableFactorFields(false);
}

void frmDesignLoads::optUserSpecified_Click() {
    enableFactorFields(true);
}

// The category only shows its factor ("0.4", six significant digits); the model gets it on OK.
void frmDesignLoads::writeCategoryFactor(Occupancy occupancy) {
    txtLiveLoadReduction->setText(QString::number(NzsLiveLoadFactor(occupancy)));
}

void frmDesignLoads::optRoofs_Click() {
    writeCategoryFactor(Occupancy::Roofs);
}

void frmDesignLoads::optDomesticFloors_Click() {
    writeCategoryFactor(Occupancy::DomesticFloors);
}

void frmDesignLoads::optStorageFloors_Click() {
    writeCategoryFactor(Occupancy::StorageFloors);
}

LoadOptions frmDesignLoads::options() const {
    LoadOptions options{
        optUserSpecified->isChecked() ? LoadCombination::UserSpecified : LoadCombination::NZS4203,
        std::nullopt};
    for (std::size_t i = 0; i < Occupancies.size(); ++i) {
        if ((this->*OccupancyOptions[i])->isChecked()) {
            options.occupancy = Occupancies[i];
        }
    }
    return options;
}

void frmDesignLoads::cmdOK_Click() {
    if (!decimalPointsOnly()) {
        return;
    }
    // Each refusal resets its field; the dialog then stays open, so that it never closes
    // showing a value the model does not hold.
    bool accepted = checkField(LoadField::Span, false);
    accepted = checkField(LoadField::DeadLoad, false) && accepted;
    accepted = checkField(LoadField::LiveLoad, false) && accepted;
    if (!accepted) {
        return;
    }

    if (const LoadOptions chosen = options(); chosen.combination == LoadCombination::NZS4203) {
        if (chosen.occupancy) {
            model().LiveLoadFactor = NzsLiveLoadFactor(*chosen.occupancy);
        }
        model().DeadLoadFactor = NzsDeadLoadFactor;
    } else {
        accepted = checkField(LoadField::DeadLoadReduction, false);
        if (!(checkField(LoadField::LiveLoadReduction, false) && accepted)) {
            return;
        }
        if (model().DeadLoadFactor == 0 && model().LiveLoadFactor == 0) {
            refuse(
                QStringLiteral("Both Dead Load and Live Load Reduction Factors cannot be zero."));
            model().DeadLoadFactor = NzsDeadLoadFactor;
            model().LiveLoadFactor = DefaultLiveLoadFactor;
            setFieldNumber(txtDeadLoadReduction, model().DeadLoadFactor);
            setFieldNumber(txtLiveLoadReduction, model().LiveLoadFactor);
            return;
        }
    }

    if (optSimplySupported->isChecked()) {
        model().SupportCondition = 0;
    } else if (optContinuous->isChecked()) {
        model().SupportCondition = 1;
    }
    hide();
}

void frmDesignLoads::showModelValues() {
    if (model().SupportCondition == 0) {
        optSimplySupported->setChecked(true);
    } else if (model().SupportCondition == 1) {
        optContinuous->setChecked(true);
    }
    model().Selected.SupportCondition = optContinuous->isChecked()
                                            ? SupportCondition::Continuous
                                            : SupportCondition::SimplySupported;
    setFieldNumber(txtDeadLoad, model().DeadLoad);
    setFieldNumber(txtLiveLoad, model().LiveLoad);
    setFieldNumber(txtSpan, model().Span);
    if (combination_ == LoadCombination::NZS4203) {
        optNZS4203->setChecked(true);
        enableFactorFields(false);
        const std::optional<Occupancy> occupancy =
            OccupancyOfLiveLoadFactor(model().LiveLoadFactor);
        QRadioButton* category =
            occupancy ? this->*OccupancyOptions[static_cast<std::size_t>(*occupancy)] : nullptr;
        CheckOnly(optRoofs->group(), category);
        if (category) {
            category->click();
        }
    } else {
        optUserSpecified->setChecked(true);
        setFieldNumber(txtDeadLoadReduction, model().DeadLoadFactor);
        setFieldNumber(txtLiveLoadReduction, model().LiveLoadFactor);
        enableFactorFields(true);
    }
}

}  // namespace fd9
