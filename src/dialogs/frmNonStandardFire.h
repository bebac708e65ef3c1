#pragma once

#include "dialogs/InputDialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace fd9 {

// A parametric design fire chosen by its fire load and opening factor. The options take
// effect only on OK, which also makes the non-standard fire the design fire.
class frmNonStandardFire : public InputDialog {
    Q_OBJECT

public:
    explicit frmNonStandardFire(DialogHost& host);

    // Selects the options equal to FireLoad and OpeningFactor (after a model file of a
    // non-standard fire was read); a value that matches no option selects none.
    void showModelValues() override;

    void cmdOK_Click();
    void cmdCancel_Click();
    void hlpNonStandardFire_Click();

    QGroupBox* fraFireLoad = nullptr;
    QLabel* lblFireLoad = nullptr;
    QRadioButton* optLowFireLoad = nullptr;
    QRadioButton* optMedFireLoad = nullptr;
    QRadioButton* optHighFireLoad = nullptr;
    QGroupBox* fraOpeningFactor = nullptr;
    QLabel* lblOpeningFactor = nullptr;
    QLabel* Label1 = nullptr;
    QWidget* picFrame = nullptr;
    QRadioButton* optOpeningFactor01 = nullptr;
    QRadioButton* optOpeningFactor02 = nullptr;
    QRadioButton* optOpeningFactor04 = nullptr;
    QRadioButton* optOpeningFactor08 = nullptr;
    QRadioButton* optOpeningFactor15 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* hlpNonStandardFire = nullptr;
};

}  // namespace fd9
