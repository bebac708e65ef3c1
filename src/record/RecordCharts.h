#pragma once

#include <optional>
#include <vector>

#include "record/RecordRun.h"

class QChart;

namespace fd9 {

// The charts of the record, each new and styled for print; PaintChart takes them over.
// The design fire's gas temperature against time; none for a fire never confirmed.
QChart* FireCurveChart(const FloorModel& model);
// Temperature against depth from the blocks the calculation read, with the steel's effective
// covers and the 500 and 750 degC depths marked.
QChart* ProfileChart(const RecordRun& run);
QChart* ExplorerPrintChart(const ExplorerResult& result);

// Where a block first falls to the temperature, interpolated linearly as the searches do; empty
// when even its surface is cooler. Units: mm, degC.
std::optional<float> DepthAtTemperature(const std::vector<ProfilePoint>& points, float temperature);
// The temperature at a depth, interpolated; empty beyond the block.
std::optional<float> TemperatureAtDepth(const std::vector<ProfilePoint>& points, float depth);

}  // namespace fd9
