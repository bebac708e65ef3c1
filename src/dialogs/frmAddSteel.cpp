#include "dialogs/frmAddSteel.h"

namespace fd9 {

frmAddSteel::frmAddSteel(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
