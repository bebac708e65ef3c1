#pragma once

#include "dialogs/InputDialog.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace fd9 {

// Steel type and yield strength of the positive- and negative-moment groups. A list choice is
// the selection the calculation reads at once; the stored type codes change only on OK.
class frmSteelProperties : public InputDialog {
    Q_OBJECT

public:
    explicit frmSteelProperties(DialogHost& host);

    // Brings the fields and lists in line with the model's strengths and stored type codes
    // (after a model file was read). A code without a list entry selects none.
    void showModelValues() override;

    void txtSteelPosStrength_KeyPress();
    void txtSteelNegStrength_KeyPress();
    void Okbutton_Click();
    void cmdCancel_Click();

    QGroupBox* fraSteelPos = nullptr;
    QListWidget* lstSteelPosType = nullptr;
    QLineEdit* txtSteelPosStrength = nullptr;
    QGroupBox* fraSteelNeg = nullptr;
    QListWidget* lstSteelNegType = nullptr;
    QLineEdit* txtSteelNegStrength = nullptr;
    QPushButton* Okbutton = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void checkStrengthOnEnter(QLineEdit* field, float stored);
};

}  // namespace fd9
