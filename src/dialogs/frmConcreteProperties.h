#pragma once

#include "dialogs/InputDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace fd9 {

// Concrete type and compressive strength. The list choice is the selection the calculation
// reads at once; the stored type code changes only on OK.
class frmConcreteProperties : public InputDialog {
    Q_OBJECT

public:
    explicit frmConcreteProperties(DialogHost& host);

    // Brings the field and list in line with ConcreteStrength and the stored ConcreteType
    // (after a model file was read). A code without a list entry selects none.
    void showModelValues() override;

    void txtCompressiveStrength_KeyPress();
    void cmdOK_Click();
    void cmdCancel_Click();

    QComboBox* cboConcreteType = nullptr;
    QLineEdit* txtCompressiveStrength = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace fd9
