#pragma once

#include <QSizeF>
#include <functional>
#include <vector>

#include "files/ResultsReport.h"

class QPainter;
class QPagedPaintDevice;

namespace fd9 {

// Paints the report lines, copy after copy with no break between copies, in a fixed-pitch
// font so that the print zones line up as in the text file. The page is the painter's device
// area of pageSize (device units); newPage moves on to a fresh page and is false when the
// device cannot. Lines wider than the page are scaled down until the widest fits.
bool PaintReport(QPainter& painter, QSizeF pageSize, const std::function<bool()>& newPage,
                 const std::vector<ReportLine>& lines, int copies);

// The same on a printer or PDF writer; false when the device could not be painted.
bool PrintReport(QPagedPaintDevice& device, const std::vector<ReportLine>& lines, int copies);

}  // namespace fd9
