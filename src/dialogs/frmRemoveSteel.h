#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmRemoveSteel : public InputDialog {
    Q_OBJECT

public:
    explicit frmRemoveSteel(frmMenu& menu);
};

}  // namespace fd9
