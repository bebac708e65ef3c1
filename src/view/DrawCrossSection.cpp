#include "view/DrawCrossSection.h"

namespace fd9 {

void DrawCrossSection(frmMenu&) {}

void ClearCrossSection(frmMenu&) {}

}  // namespace fd9
