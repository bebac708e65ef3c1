#include "dialogs/frmSteelProperties.h"

namespace fd9 {

frmSteelProperties::frmSteelProperties(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
