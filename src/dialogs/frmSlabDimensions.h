#pragma once

#include "dialogs/InputDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace fd9 {

// Depth of a slab strip; the strip is always 1000 mm wide.
class frmSlabDimensions : public InputDialog {
    Q_OBJECT

public:
    explicit frmSlabDimensions(DialogHost& host);

    // The field shows the model's depth, as after opening a model file.
    void showModelValues() override;

    void cmdOK_Click();
    void cmdCancel_Click();
    // key is the Qt key code, seen before the character reaches the field.
    void txtSlabDepth_KeyPress(int key);
    void txtSlabDepth_LostFocus();

    QLineEdit* txtSlabDepth = nullptr;
    QLabel* lblSlabWidth = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double storeDepth();
};

}  // namespace fd9
