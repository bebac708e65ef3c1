#pragma once

#include "shell/frmMenu.h"

namespace fd9::reliability {

// A slab with three bars and loads, as the dialogs would leave it.
inline void DescribeSlab(frmMenu& menu) {
    menu.ResetModel();
    menu.setFloorType(FloorType::Slab);
    FloorModel& m = menu.model();
    m.SectionWidth = 1000;
    m.SectionDepth = 150;
    m.PosSteelCount = 3;
    m.PosSteel[0] = {200, 120, 12, 0};
    m.PosSteel[1] = {500, 120, 12, 0};
    m.PosSteel[2] = {800, 120, 12, 0};
    m.PosSteelStrength = 300;
    m.NegSteelStrength = 300;
    m.ConcreteStrength = 25;
    m.FRRequired = 60;
    m.DeadLoad = 5;
    m.LiveLoad = 3;
    m.DeadLoadFactor = 1;
    m.LiveLoadFactor = 0.4f;
    m.Span = 4;
}

}  // namespace fd9::reliability
