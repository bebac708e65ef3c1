#include "dialogs/frmSlabDimensions.h"

namespace fd9 {

frmSlabDimensions::frmSlabDimensions(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
