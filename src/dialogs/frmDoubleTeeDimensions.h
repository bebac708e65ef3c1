#pragma once

#include "dialogs/RibbedSectionFields.h"

class QLineEdit;

namespace fd9 {

// Flange and rib dimensions of a double-tee unit; the two ribs are centred at a quarter and
// three quarters of the width.
class frmDoubleTeeDimensions : public RibbedSectionFields {
    Q_OBJECT

public:
    explicit frmDoubleTeeDimensions(DialogHost& host);

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

private:
    bool accepts(int field, double value) const override;
};

}  // namespace fd9
