#include "shell/ModelFileDialogs.h"

#include <QPushButton>

#include "shell/frmMenu.h"

namespace fd9 {

LoadOptions CurrentLoadOptions(frmMenu&) {
    return {};
}

void BringViewsInLine(frmMenu& menu, LoadCombination) {
    FloorModel& m = menu.model();
    menu.setDesignFire(m.Selected.DesignFire);
    menu.setFloorType(m.Selected.FloorType);
    menu.DrawCrossSection();
    if (m.PosSteelCount != 0 || m.NegSteelCount != 0) {
        menu.cmdUpdateResults->setVisible(true);
    }
}

}  // namespace fd9
