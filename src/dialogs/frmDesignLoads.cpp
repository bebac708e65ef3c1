#include "dialogs/frmDesignLoads.h"

namespace fd9 {

frmDesignLoads::frmDesignLoads(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
