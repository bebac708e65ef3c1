#pragma once

#include "dialogs/InputDialog.h"

namespace fd9 {

class frmDesignLoads : public InputDialog {
    Q_OBJECT

public:
    explicit frmDesignLoads(frmMenu& menu);
};

}  // namespace fd9
