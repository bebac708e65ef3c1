#pragma once

#include <array>

#include "dialogs/InputDialog.h"

class QLineEdit;
class QPushButton;

namespace fd9 {

// Flange and rib dimensions of a double-tee unit; the two ribs are centred at a quarter and
// three quarters of the width.
class frmDoubleTeeDimensions : public InputDialog {
    Q_OBJECT

public:
    explicit frmDoubleTeeDimensions(frmMenu& menu);

    // The fields show the model's ribbed section, as after opening a model file.
    void FillFromModel();

    void cmdOK_Click();
    void cmdCancel_Click();
    enum Field { OverallDepth, RibDepth, OverallWidth, RibWidthBot, RibWidthTop, FieldCount };
    // The handlers of the five fields; key is the Qt key code.
    void Field_KeyPress(Field field, int key);
    void Field_LostFocus(Field field);

    // In tab order.
    QLineEdit* txtDoubleTeeOverallDepth = nullptr;
    QLineEdit* txtDoubleTeeRibDepth = nullptr;
    QLineEdit* txtDoubleTeeOverallWidth = nullptr;
    QLineEdit* txtDoubleTeeRibWidthBot = nullptr;
    QLineEdit* txtDoubleTeeRibWidthTop = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void check(Field field, bool leaving);
    bool accepts(Field field, double value) const;

    std::array<QLineEdit*, FieldCount> fields_{};
};

}  // namespace fd9
