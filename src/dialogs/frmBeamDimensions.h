#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmBeamDimensions : public InputDialog {
    Q_OBJECT

public:
    explicit frmBeamDimensions(frmMenu& menu);
};

}  // namespace fd9
