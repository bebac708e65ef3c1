#pragma once

#include "model/FloorModel.h"

namespace fd9 {

// The depth a freshly opened slab dialog shows; a reset discards the dialog, so the slab
// section always comes back to it.
inline constexpr float NewSlabDepth = 150;

// The data half of a reset: the steel tables, the section of the checked floor type, the
// strengths and counts, and the selections of the dialogs a reset discards, which follow the
// stored codes. Loads, fire fields, stored codes and results keep their values.
void ResetModelData(FloorModel& model);

}  // namespace fd9
