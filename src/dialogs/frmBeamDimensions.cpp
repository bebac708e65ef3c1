#include "dialogs/frmBeamDimensions.h"

namespace fd9 {

frmBeamDimensions::frmBeamDimensions(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
