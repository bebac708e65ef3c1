#pragma once

#include "dialogs/InputDialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace fd9 {

// The NZS 3101 exposure classification for the cover check. It is only ever a selection:
// choosing an option changes it at once, and nothing stores it.
class frmExpose : public InputDialog {
    Q_OBJECT

public:
    explicit frmExpose(DialogHost& host);

    void cmdOK_Click();

    QGroupBox* Frame1 = nullptr;
    QRadioButton* optExposeA1 = nullptr;
    QRadioButton* optExposeA2 = nullptr;
    QRadioButton* optExposeB1 = nullptr;
    QRadioButton* optExposeB2 = nullptr;
    QRadioButton* optExposeC = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace fd9
