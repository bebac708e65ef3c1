#include "support/DialogRig.h"

namespace fd9 {

MenuRig::MenuRig(FloorType type) {
    menu.setFloorType(type);
    menu.ResetModel();
    platform.clear();
}

}  // namespace fd9
