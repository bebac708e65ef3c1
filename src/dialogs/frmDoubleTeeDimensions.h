#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmDoubleTeeDimensions : public InputDialog {
    Q_OBJECT

public:
    explicit frmDoubleTeeDimensions(frmMenu& menu);
};

}  // namespace fd9
