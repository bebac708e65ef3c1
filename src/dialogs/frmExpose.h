#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmExpose : public InputDialog {
    Q_OBJECT

public:
    explicit frmExpose(frmMenu& menu);
};

}  // namespace fd9
