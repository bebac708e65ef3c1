#include "shell/frmMenu.h"

namespace fd9 {

void frmMenu::Calculate() {}

}  // namespace fd9
