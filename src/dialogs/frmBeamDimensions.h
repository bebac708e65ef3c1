#pragma once

#include "dialogs/InputDialog.h"

class QLineEdit;
class QPushButton;

namespace fd9 {

// Width and depth of a rectangular beam. A field's text is the dialog's state: OK stores
// what the fields hold, checked or not.
class frmBeamDimensions : public InputDialog {
    Q_OBJECT

public:
    explicit frmBeamDimensions(DialogHost& host);

    // The fields show the model's section, as after opening a model file.
    void showModelValues() override;

    void cmdOK_Click();
    void cmdCancel_Click();
    // key is the Qt key code, seen before the character reaches the field.
    void txtBeamDepth_KeyPress(int key);
    void txtBeamDepth_LostFocus();
    void txtBeamWidth_KeyPress(int key);
    void txtBeamWidth_LostFocus();

    QLineEdit* txtBeamWidth = nullptr;
    QLineEdit* txtBeamDepth = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkWidth();
};

}  // namespace fd9
