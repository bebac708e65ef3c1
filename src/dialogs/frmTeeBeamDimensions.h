#pragma once

#include "dialogs/RibbedSectionFields.h"

class QLineEdit;

namespace fd9 {

// Flange and rib dimensions of a tee-beam. The field being edited is marked in red on the
// cross-section view.
class frmTeeBeamDimensions : public RibbedSectionFields {
    Q_OBJECT

public:
    explicit frmTeeBeamDimensions(DialogHost& host);

    enum Field { Depth, RibDepth, Width, RibWidthBot, RibWidthTop, FieldCount };
    void cmdOK_Click();
    void cmdCancel_Click();
    // The handlers of the five fields; key is the Qt key code.
    void Field_KeyPress(Field field, int key);
    void Field_LostFocus(Field field);
    void Field_GotFocus(Field field);

    // In tab order.
    QLineEdit* txtTeeBeamDepth = nullptr;
    QLineEdit* txtTeeBeamRibDepth = nullptr;
    QLineEdit* txtTeeBeamWidth = nullptr;
    QLineEdit* txtTeeBeamRibWidthBot = nullptr;
    QLineEdit* txtTeeBeamRibWidthTop = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace fd9
