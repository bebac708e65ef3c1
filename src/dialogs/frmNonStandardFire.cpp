#include "dialogs/frmNonStandardFire.h"

namespace fd9 {

frmNonStandardFire::frmNonStandardFire(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
