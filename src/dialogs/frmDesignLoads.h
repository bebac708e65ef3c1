#pragma once

#include "dialogs/InputDialog.h"
#include "model/LoadCombinations.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fd9 {

// Fire-case loads, span, load combination factors and support condition. Each field is
// stored as soon as it passes its check; the factors from NZS 4203 : 1992 and the stored
// support code are written by OK. The support option is the selection the calculation reads
// at once.
class frmDesignLoads : public InputDialog {
    Q_OBJECT

public:
    explicit frmDesignLoads(DialogHost& host);

    // The load combination the model's factors came from; the next showModelValues shows it.
    void setLoadCombination(LoadCombination combination) { combination_ = combination; }
    void showModelValues() override;
    // The options checked now, confirmed or not: what a save keeps beside the model. Before
    // the first showing, the initial ones.
    LoadOptions options() const;

    enum class LoadField { DeadLoad, LiveLoad, Span, DeadLoadReduction, LiveLoadReduction };
    // Checks the field on Enter or on leaving it; a value that passes is stored at once.
    bool checkField(LoadField which, bool leaving);

    void txtDeadLoad_KeyPress() { checkField(LoadField::DeadLoad, false); }
    void txtDeadLoad_LostFocus() { checkField(LoadField::DeadLoad, true); }
    void txtLiveLoad_KeyPress() { checkField(LoadField::LiveLoad, false); }
    void txtLiveLoad_LostFocus() { checkField(LoadField::LiveLoad, true); }
    void txtSpan_KeyPress() { checkField(LoadField::Span, false); }
    void txtSpan_LostFocus() { checkField(LoadField::Span, true); }
    void txtDeadLoadReduction_KeyPress() { checkField(LoadField::DeadLoadReduction, false); }
    void txtDeadLoadReduction_LostFocus() { checkField(LoadField::DeadLoadReduction, true); }
    void txtLiveLoadReduction_KeyPress() { checkField(LoadField::LiveLoadReduction, false); }
    void txtLiveLoadReduction_LostFocus() { checkField(LoadField::LiveLoadReduction, true); }
    void optNZS4203_Click();
    void optUserSpecified_Click();
    void optRoofs_Click();
    void optDomesticFloors_Click();
    void optStorageFloors_Click();
    void cmdOK_Click();

    QLineEdit* txtDeadLoad = nullptr;
    QLineEdit* txtLiveLoad = nullptr;
    QLineEdit* txtSpan = nullptr;
    QRadioButton* optNZS4203 = nullptr;
    QRadioButton* optUserSpecified = nullptr;
    QLabel* lblDeadLoadReduction = nullptr;
    QLineEdit* txtDeadLoadReduction = nullptr;
    QLabel* lblLiveLoadReduction = nullptr;
    QLineEdit* txtLiveLoadReduction = nullptr;
    QRadioButton* optRoofs = nullptr;
    QRadioButton* optDomesticFloors = nullptr;
    QRadioButton* optStorageFloors = nullptr;
    QGroupBox* fraEndSupport = nullptr;
    QRadioButton* optSimplySupported = nullptr;
    QRadioButton* optContinuous = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    LoadCombination combination_ = LoadCombination::NZS4203;
    void buildControls();
    void layOut();
    void connectHandlers();
    void enableFactorFields(bool userSpecified);
    void writeCategoryFactor(Occupancy occupancy);
};

}  // namespace fd9
