#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmStandardFire : public InputDialog {
    Q_OBJECT

public:
    explicit frmStandardFire(frmMenu& menu);
};

}  // namespace fd9
