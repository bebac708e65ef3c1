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

    // In tab order.
    QLineEdit* txtTeeBeamDepth = nullptr;
    QLineEdit* txtTeeBeamRibDepth = nullptr;
    QLineEdit* txtTeeBeamWidth = nullptr;
    QLineEdit* txtTeeBeamRibWidthBot = nullptr;
    QLineEdit* txtTeeBeamRibWidthTop = nullptr;
};

}  // namespace fd9
