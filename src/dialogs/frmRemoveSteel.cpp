#include "dialogs/frmRemoveSteel.h"

namespace fd9 {

frmRemoveSteel::frmRemoveSteel(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
