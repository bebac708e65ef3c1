#pragma once

#include "model/FloorModel.h"
#include "view/DrawingSurface.h"

namespace fd9 {

// The four section drawings, in the section's own millimetres (x right from the left edge,
// y down from the top face). Each clears the surface first, so drawing twice gives the same
// picture. Beam and slab take their depth (and the beam its width) from the dimension
// fields as typed, so the view follows the typing before OK.
void DrawBeamSection(DrawingSurface& surface, const FloorModel& model, double depth, double width);
void DrawSlabSection(DrawingSurface& surface, const FloorModel& model, double depth);
// The ribbed sections sit with their top-left corner at (50, 50) inside a margin of 50.
inline constexpr double RibbedSectionMargin = 50;
void DrawDoubleTeeSection(DrawingSurface& surface, const FloorModel& model);
void DrawTeeBeamSection(DrawingSurface& surface, const FloorModel& model);
// Both groups' bars, positive first, as circles of their diameter; false when one could not
// be drawn (the rest are then left out).
bool DrawBars(DrawingSurface& surface, const FloorModel& model, double offset = 0);

// The tee-beam dimension a field edits, drawn red over the section.
enum class TeeBeamDimension { Width, Depth, RibDepth, RibWidthBot, RibWidthTop };
void DrawTeeBeamMarker(DrawingSurface& surface, const FloorModel& model, TeeBeamDimension which);

}  // namespace fd9
