#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmNonStandardFire : public InputDialog {
    Q_OBJECT

public:
    explicit frmNonStandardFire(frmMenu& menu);
};

}  // namespace fd9
