#include "shell/DrawCrossSection.h"

#include <QAction>

#include "dialogs/FieldNumber.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmSlabDimensions.h"
#include "shell/frmMenu.h"
#include "view/CrossSectionWidget.h"
#include "view/SectionDrawing.h"

namespace fd9 {

void DrawCrossSection(frmMenu& menu) {
    DrawingSurface& surface = *menu.picFloorCrossSection;
    const FloorModel& model = menu.model();
    auto checked = [&](FloorType type) { return menu.mnuFloor[int(type)]->isChecked(); };
    if (checked(FloorType::Beam)) {
        const frmBeamDimensions& beam = menu.beamDimensions();
        DrawBeamSection(surface, model, FieldNumber(beam.txtBeamDepth),
                        FieldNumber(beam.txtBeamWidth));
    }
    if (checked(FloorType::Slab)) {
        DrawSlabSection(surface, model, FieldNumber(menu.slabDimensions().txtSlabDepth));
    }
    if (checked(FloorType::DoubleTee)) {
        DrawDoubleTeeSection(surface, model);
    }
    if (checked(FloorType::TeeBeam)) {
        DrawTeeBeamSection(surface, model);
    }
}

void ClearCrossSection(frmMenu& menu) {
    menu.picFloorCrossSection->clear();
}

}  // namespace fd9
