#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

#include "calc/FireExplorer.h"

class QChart;
class QLineSeries;
class QWidget;

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

// A chart as its view shows it, at the view's size, on white.
QImage ChartImage(QWidget& view);
// The same as a PNG file's bytes; empty when the image could not be encoded.
QByteArray ChartPng(QWidget& view);
// The view as an SVG file's bytes, with title as the document's title.
QByteArray ChartSvg(QWidget& view, const QString& title);

}  // namespace fd9
