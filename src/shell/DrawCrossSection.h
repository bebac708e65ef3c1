#pragma once

namespace fd9 {

class frmMenu;

// Redraws the view from the current floor type and bars; the beam and slab drawings read the
// dimension dialogs' fields as they stand.
void DrawCrossSection(frmMenu& menu);
void ClearCrossSection(frmMenu& menu);

}  // namespace fd9
