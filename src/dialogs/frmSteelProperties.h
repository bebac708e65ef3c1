#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmSteelProperties : public InputDialog {
    Q_OBJECT

public:
    explicit frmSteelProperties(frmMenu& menu);
};

}  // namespace fd9
