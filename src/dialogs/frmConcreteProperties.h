#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmConcreteProperties : public InputDialog {
    Q_OBJECT

public:
    explicit frmConcreteProperties(frmMenu& menu);
};

}  // namespace fd9
