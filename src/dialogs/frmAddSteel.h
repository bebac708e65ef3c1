#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmAddSteel : public InputDialog {
    Q_OBJECT

public:
    explicit frmAddSteel(frmMenu& menu);
};

}  // namespace fd9
