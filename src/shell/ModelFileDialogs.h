#pragma once

#include <optional>

#include "files/ModelFile.h"

namespace fd9 {

class frmMenu;

// The loads dialog's choices that a save writes into the stored codes.
struct LoadOptions {
    LoadCombination combination = LoadCombination::NZS4203;
    std::optional<Occupancy> occupancy = Occupancy::DomesticFloors;
};
LoadOptions CurrentLoadOptions(frmMenu& menu);

// After a model file was read into the model: check marks, every dialog's fields, options and
// lists, and the view follow it.
void BringViewsInLine(frmMenu& menu, LoadCombination combination);

}  // namespace fd9
