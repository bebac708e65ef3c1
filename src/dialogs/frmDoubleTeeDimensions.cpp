#include "dialogs/frmDoubleTeeDimensions.h"

namespace fd9 {

frmDoubleTeeDimensions::frmDoubleTeeDimensions(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
