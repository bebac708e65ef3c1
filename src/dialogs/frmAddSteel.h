#pragma once

#include "dialogs/InputDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fd9 {

// Adds one bar or strand at a time to the positive- or negative-moment group, once its
// centre lies where that group belongs in the section the model holds.
class frmAddSteel : public InputDialog {
    Q_OBJECT

public:
    explicit frmAddSteel(DialogHost& host);

    void cmdAddSteel_Click();
    void cmdFinished_Click();
    // The Enter checks; false when the field was refused (and emptied).
    bool txtXcoordinate_KeyPress(int key);
    bool txtYcoordinate_KeyPress(int key);
    bool txtSteelDiameter_KeyPress(int key);

    // In tab order.
    QLineEdit* txtXcoordinate = nullptr;
    QLineEdit* txtYcoordinate = nullptr;
    QLineEdit* txtSteelDiameter = nullptr;
    QPushButton* cmdAddSteel = nullptr;
    QPushButton* cmdFinished = nullptr;
    QRadioButton* optAddPosMomentReinforcement = nullptr;
    QRadioButton* optAddNegMomentReinforcement = nullptr;
    QLabel* lblInstructions = nullptr;

private:
    bool xAccepted(double x);
    bool yAccepted(double y);
    bool fieldPasses(QLineEdit* field, bool accepted, const QString& message);
};

}  // namespace fd9
