#pragma once

#include <QSizeF>

#include "model/FloorModel.h"

class QPainter;
class QRectF;

namespace fd9 {

// The cross-section as the window draws it, with the fire-exposed faces marked, the principal
// dimensions and a scale bar. Every dimension comes from model, never from a dialog. Sizes mm.
QSizeF SectionFigureSize(const FloorModel& model);
void PaintSectionFigure(QPainter& painter, const QRectF& area, const FloorModel& model);

}  // namespace fd9
