#include "dialogs/frmTeeBeamDimensions.h"

namespace fd9 {

frmTeeBeamDimensions::frmTeeBeamDimensions(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
