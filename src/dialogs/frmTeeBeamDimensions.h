#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmTeeBeamDimensions : public InputDialog {
    Q_OBJECT

public:
    explicit frmTeeBeamDimensions(frmMenu& menu);
};

}  // namespace fd9
