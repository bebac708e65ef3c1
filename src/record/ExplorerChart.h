#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

#include "calc/FireExplorer.h"

class QChart;
class QLineSeries;

namespace fd9 {

// The fire resistance explorer's chart: moment capacity against standard fire duration, with
// dashed upright lines at the ratings reached. The explorer window shows it and the
// calculation record prints it, so both draw the same series from the same result.
class ExplorerChart {
public:
    explicit ExplorerChart(const ExplorerResult& result) : result_(result) {}

    // Replaces whatever series and axes chart holds with the explorer's.
    void fill(QChart& chart) const;

private:
    void addRatingMarkers(std::vector<QLineSeries*>& series, double low, double high) const;

    const ExplorerResult& result_;
};

}  // namespace fd9
