#include "dialogs/frmDesignLoads.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

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

// Indexed by LoadField. A refused field shows its fixed reset text, not the model's value.
const FieldRule Rules[] = {
    {&FloorModel::DeadLoad, Positive, Positive, "Dead Load is invalid!", 0, false},
    {&FloorModel::LiveLoad, NotNegative, NotNegative, "Live Load is invalid!", 0, false},
    // A span under 1 m passes Enter but not leaving the field.
    {&FloorModel::Span, Positive, AtLeastOneMetre, "Span is invalid!", 5, false},
    {&FloorModel::DeadLoadFactor, NotNegative, NotNegative, "Value is invalid!", 1, true},
    {&FloorModel::LiveLoadFactor, Fraction, Fraction, "Value is invalid!", 0.4f, false},
};

// NZS 4203 : 1992 fire-case live load factors by occupancy; the dead load factor is 1.0.
constexpr float RoofsFactor = 0;
constexpr float DomesticFloorsFactor = 0.4f;
constexpr float StorageFloorsFactor = 0.6f;

QRadioButton* Option(QWidget* parent, const char* name, const char* caption) {
    auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

QLineEdit* Field(QWidget* parent, const char* name, const char* text) {
    auto* field = new QLineEdit(QString::fromLatin1(text), parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

void Group(QObject* parent, std::initializer_list<QRadioButton*> options) {
    auto* group = new QButtonGroup(parent);
    for (QRadioButton* option : options) {
        group->addButton(option);
    }
}

// Checks one option of an exclusive group, or none.
void CheckOnly(std::initializer_list<QRadioButton*> options, QRadioButton* chosen) {
    if (chosen) {
        chosen->setChecked(true);
        return;
    }
    for (QRadioButton* option : options) {
        if (QButtonGroup* group = option->group()) {
            group->setExclusive(false);
            option->setChecked(false);
            group->setExclusive(true);
        }
    }
}

}  // namespace

frmDesignLoads::frmDesignLoads(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmDesignLoads"));
    setWindowTitle(QStringLiteral("LOADS"));

    txtDeadLoad = Field(this, "txtDeadLoad", "6");
    txtLiveLoad = Field(this, "txtLiveLoad", "16");
    txtSpan = Field(this, "txtSpan", "12");
    optNZS4203 = Option(this, "optNZS4203", "to NZS 4203 : 1992");
    optUserSpecified = Option(this, "optUserSpecified", "User specified load combination factor");
    lblDeadLoadReduction = new QLabel(QStringLiteral("dead load combination factor"), this);
    lblDeadLoadReduction->setObjectName(QStringLiteral("lblDeadLoadReduction"));
    txtDeadLoadReduction = Field(this, "txtDeadLoadReduction", "1.0");
    lblLiveLoadReduction = new QLabel(QStringLiteral("live load combination factor"), this);
    lblLiveLoadReduction->setObjectName(QStringLiteral("lblLiveLoadReduction"));
    txtLiveLoadReduction = Field(this, "txtLiveLoadReduction", "0.4");
    optRoofs = Option(this, "optRoofs", "Roofs");
    optDomesticFloors =
        Option(this, "optDomesticFloors", "Floors (domestic, office, parking and retail)");
    optStorageFloors = Option(this, "optStorageFloors", "Floors (storage and other)");
    fraEndSupport = new QGroupBox(QStringLiteral("End Support Conditions"), this);
    fraEndSupport->setObjectName(QStringLiteral("fraEndSupport"));
    optSimplySupported = Option(fraEndSupport, "optSimplySupported", "Simply Supported");
    optContinuous = Option(fraEndSupport, "optContinuous", "Continuous Over Supports");
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAutoDefault(false);

    Group(this, {optNZS4203, optUserSpecified});
    Group(this, {optRoofs, optDomesticFloors, optStorageFloors});
    Group(this, {optSimplySupported, optContinuous});
    // A new dialog has every factor control enabled although NZS 4203 is chosen; the first
    // choice of a factor option sets the enabling.
    optNZS4203->setChecked(true);
    optDomesticFloors->setChecked(true);
    (model().Selected.SupportCondition == SupportCondition::Continuous ? optContinuous
                                                                       : optSimplySupported)
        ->setChecked(true);

    auto* loads = new QGridLayout;
    loads->addWidget(new QLabel(QStringLiteral("Dead Load (kN/m)"), this), 0, 0);
    loads->addWidget(txtDeadLoad, 0, 1);
    loads->addWidget(new QLabel(QStringLiteral("Reduced Live Load (kN/m)"), this), 1, 0);
    loads->addWidget(txtLiveLoad, 1, 1);
    loads->addWidget(new QLabel(QStringLiteral("Span (m)"), this), 2, 0);
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
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(loads);
    layout->addLayout(factors);
    layout->addWidget(fraEndSupport);
    layout->addLayout(buttons);

    const std::pair<QLineEdit*, LoadField> fields[] = {
        {txtDeadLoad, LoadField::DeadLoad},
        {txtLiveLoad, LoadField::LiveLoad},
        {txtSpan, LoadField::Span},
        {txtDeadLoadReduction, LoadField::DeadLoadReduction},
        {txtLiveLoadReduction, LoadField::LiveLoadReduction},
    };
    // Not a structured binding: clang before 16 cannot capture one in a lambda.
    for (const auto& entry : fields) {
        QLineEdit* const field = entry.first;
        const LoadField which = entry.second;
        watchField(
            field, [this, which] { checkField(which, false); },
            [this, which] { checkField(which, true); });
    }
    connect(optNZS4203, &QRadioButton::clicked, this, &frmDesignLoads::optNZS4203_Click);
    connect(optUserSpecified, &QRadioButton::clicked, this,
            &frmDesignLoads::optUserSpecified_Click);
    connect(optRoofs, &QRadioButton::clicked, this, &frmDesignLoads::optRoofs_Click);
    connect(optDomesticFloors, &QRadioButton::clicked, this,
            &frmDesignLoads::optDomesticFloors_Click);
    connect(optStorageFloors, &QRadioButton::clicked, this,
            &frmDesignLoads::optStorageFloors_Click);
    connect(optContinuous, &QRadioButton::toggled, this, [this](bool continuous) {
        model().Selected.SupportCondition =
            continuous ? SupportCondition::Continuous : SupportCondition::SimplySupported;
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmDesignLoads::cmdOK_Click);
}

bool frmDesignLoads::checkField(LoadField which, bool leaving) {
    static const std::array<QLineEdit * frmDesignLoads::*, 5> fields = {
        &frmDesignLoads::txtDeadLoad, &frmDesignLoads::txtLiveLoad, &frmDesignLoads::txtSpan,
        &frmDesignLoads::txtDeadLoadReduction, &frmDesignLoads::txtLiveLoadReduction};
    const FieldRule& rule = Rules[static_cast<int>(which)];
    QLineEdit* field = this->*fields[static_cast<std::size_t>(which)];

    const double v = fieldNumber(field);
    const bool accepted = leaving ? rule.acceptedOnLeaving(v) : rule.acceptedOnEnter(v);
    if (const std::optional<float> value = accepted ? modelFloat(v) : std::nullopt) {
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

// The category only shows its factor; the model gets it on OK.
void frmDesignLoads::writeCategoryFactor(const char* text) {
    txtLiveLoadReduction->setText(QString::fromLatin1(text));
}

void frmDesignLoads::optRoofs_Click() {
    writeCategoryFactor("0");
}

void frmDesignLoads::optDomesticFloors_Click() {
    writeCategoryFactor("0.4");
}

void frmDesignLoads::optStorageFloors_Click() {
    writeCategoryFactor("0.6");
}

void frmDesignLoads::cmdOK_Click() {
    // A refusal here resets its field and OK still goes on, so the model may keep an
    // older value than the field shows.
    checkField(LoadField::Span, false);
    checkField(LoadField::DeadLoad, false);
    checkField(LoadField::LiveLoad, false);

    if (optNZS4203->isChecked()) {
        if (optRoofs->isChecked()) {
            model().LiveLoadFactor = RoofsFactor;
        } else if (optDomesticFloors->isChecked()) {
            model().LiveLoadFactor = DomesticFloorsFactor;
        } else if (optStorageFloors->isChecked()) {
            model().LiveLoadFactor = StorageFloorsFactor;
        }
        model().DeadLoadFactor = 1.0f;
    } else {
        checkField(LoadField::DeadLoadReduction, false);
        checkField(LoadField::LiveLoadReduction, false);
        if (model().DeadLoadFactor == 0 && model().LiveLoadFactor == 0) {
            refuse(
                QStringLiteral("Both Dead Load and Live Load Reduction Factors cannot be zero."));
            model().DeadLoadFactor = 1.0f;
            model().LiveLoadFactor = 0.4f;
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

void frmDesignLoads::showModelValues(std::int16_t loadCombinationCode) {
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
    if (loadCombinationCode == 0) {
        optNZS4203->setChecked(true);
        enableFactorFields(false);
        const float factor = model().LiveLoadFactor;
        QRadioButton* category = factor == RoofsFactor            ? optRoofs
                                 : factor == DomesticFloorsFactor ? optDomesticFloors
                                 : factor == StorageFloorsFactor  ? optStorageFloors
                                                                  : nullptr;
        CheckOnly({optRoofs, optDomesticFloors, optStorageFloors}, category);
        if (category) {
            category->click();
        }
    } else if (loadCombinationCode == 1) {
        optUserSpecified->setChecked(true);
        setFieldNumber(txtDeadLoadReduction, model().DeadLoadFactor);
        setFieldNumber(txtLiveLoadReduction, model().LiveLoadFactor);
        enableFactorFields(true);
    }
}

}  // namespace fd9
