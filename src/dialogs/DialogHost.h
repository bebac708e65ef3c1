#pragma once

#include "model/FloorModel.h"
#include "view/SectionDrawing.h"

class QWidget;

namespace fd9 {

class Platform;

// What the dialogs need of the window that owns them, and nothing more: a dialog never reaches
// into the window or into another dialog.
class DialogHost {
public:
    virtual FloorModel& model() = 0;
    virtual Platform& platform() = 0;
    // The window the dialogs stay in front of.
    virtual QWidget* dialogParent() = 0;

    // Redraws the cross-section from the model and the dimension fields as they stand.
    virtual void DrawCrossSection() = 0;
    // Redraws it with the tee-beam dimension being edited marked on it.
    virtual void markTeeBeamDimension(TeeBeamDimension dimension) = 0;
    // The lists of bars that can be removed follow the model's bars.
    virtual void refreshBarLists() = 0;
    // A dimension or fire dialog's OK chooses its floor type or design fire, as the menu does.
    virtual void setFloorType(FloorType type) = 0;
    virtual void setDesignFire(DesignFire fire) = 0;

protected:
    ~DialogHost() = default;
};

}  // namespace fd9
