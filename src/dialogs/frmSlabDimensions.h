#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmSlabDimensions : public InputDialog {
    Q_OBJECT

public:
    explicit frmSlabDimensions(frmMenu& menu);
};

}  // namespace fd9
