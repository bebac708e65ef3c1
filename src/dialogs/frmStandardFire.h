#pragma once

#include <cstdint>

#include "dialogs/InputDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace fd9 {

// The standard (ISO 834) design fire and its required fire resistance rating. Only OK makes
// the standard fire the design fire.
class frmStandardFire : public InputDialog {
    Q_OBJECT

public:
    explicit frmStandardFire(DialogHost& host);

    // Brings the field in line with FRRequired (after a model file was read).
    void showModelValues() override;

    // False when the rating was refused (the field then shows 60).
    bool txtFRRequired_KeyPress();
    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel* lblFRRequired = nullptr;
    QLineEdit* txtFRRequired = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace fd9
