#include "dialogs/frmConcreteProperties.h"

namespace fd9 {

frmConcreteProperties::frmConcreteProperties(frmMenu& menu) : InputDialog(menu) {}

}  // namespace fd9
