#pragma once

#include "model/FloorModel.h"
#include "shell/frmMenu.h"
#include "support/FakeDialogHost.h"
#include "support/FakePlatform.h"

namespace fd9 {

// A main window on the recording platform after New with the given floor type checked, and no
// boxes recorded yet.
struct MenuRig {
    FloorModel model;
    FakePlatform platform;
    frmMenu menu{model, platform};

    explicit MenuRig(FloorType type);
};

}  // namespace fd9
