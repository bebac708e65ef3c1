#include "support/DialogRig.h"

namespace fd9 {

MenuRig::MenuRig() {
    menu.ResetModel();
}

MenuRig::MenuRig(FloorType type) {
    menu.setFloorType(type);
    menu.ResetModel();
    platform.clear();
}

void MenuRig::focusInto(QLineEdit* field) {
    FocusInto(field);
    platform.clear();
}

}  // namespace fd9
