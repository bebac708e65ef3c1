#include "shell/ModelFileDialogs.h"

#include <QPushButton>
#include <QRadioButton>

#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmRemoveSteel.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "shell/frmMenu.h"

namespace fd9 {

LoadOptions CurrentLoadOptions(frmMenu& menu) {
    // A loads dialog not loaded since the last reset shows its initial options.
    frmDesignLoads& loads = menu.designLoads();
    LoadOptions options;
    options.combination = loads.optUserSpecified->isChecked() ? LoadCombination::UserSpecified
                                                              : LoadCombination::NZS4203;
    if (loads.optRoofs->isChecked()) {
        options.occupancy = Occupancy::Roofs;
    } else if (loads.optDomesticFloors->isChecked()) {
        options.occupancy = Occupancy::DomesticFloors;
    } else if (loads.optStorageFloors->isChecked()) {
        options.occupancy = Occupancy::StorageFloors;
    } else {
        options.occupancy.reset();
    }
    return options;
}

void BringViewsInLine(frmMenu& menu, LoadCombination combination) {
    const FloorModel& m = menu.model();
    menu.setDesignFire(m.Selected.DesignFire);
    if (m.Selected.DesignFire == DesignFire::NonStandard) {
        menu.nonStandardFire().showModelValues();
    }
    menu.setFloorType(m.Selected.FloorType);
    // The beam and slab drawings read these fields, so they are filled before the redraw.
    switch (m.Selected.FloorType) {
        case FloorType::Beam:
            menu.beamDimensions().showModelValues();
            break;
        case FloorType::Slab:
            menu.slabDimensions().showModelValues();
            break;
        case FloorType::DoubleTee:
            menu.doubleTeeDimensions().showModelValues();
            break;
        case FloorType::TeeBeam:
            menu.teeBeamDimensions().showModelValues();
            break;
    }
    menu.DrawCrossSection();
    menu.removeSteel().FillSteelLists();
    menu.designLoads().setLoadCombination(static_cast<std::int16_t>(combination));
    menu.designLoads().showModelValues();
    menu.standardFire().showModelValues();
    menu.concreteProperties().showModelValues();
    menu.steelProperties().showModelValues();
    if (m.PosSteelCount != 0 || m.NegSteelCount != 0) {
        menu.cmdUpdateResults->setVisible(true);
    }
}

}  // namespace fd9
