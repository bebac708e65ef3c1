#include "dialogs/frmExpose.h"

namespace fd9 {

frmExpose::frmExpose(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
