#include "dialogs/frmStandardFire.h"

namespace fd9 {

frmStandardFire::frmStandardFire(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
