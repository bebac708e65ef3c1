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

    enum Field { OverallDepth, RibDepth, OverallWidth, RibWidthBot, RibWidthTop, FieldCount };

    // In tab order.
    QLineEdit* txtDoubleTeeOverallDepth = nullptr;
    QLineEdit* txtDoubleTeeRibDepth = nullptr;
    QLineEdit* txtDoubleTeeOverallWidth = nullptr;
    QLineEdit* txtDoubleTeeRibWidthBot = nullptr;
    QLineEdit* txtDoubleTeeRibWidthTop = nullptr;
};

}  // namespace fd9
