#pragma once

#include <QFont>
#include <QObject>
#include <QSizeF>
#include <QTextObjectInterface>
#include <functional>
#include <vector>

class QChart;

namespace fd9 {

// The record's one typeface, whatever the desktop's: the same record from the window and
// from the command line. Unhinted, so glyph advances do not follow a screen's settings.
QFont RecordFont(double points, bool bold = false);

// The text layout scales every length of its HTML (margins, borders, padding) from the
// screen's logical resolution to the device's; a length of x mm is therefore given as
// x * LayoutPixelsPerMm() pixels, so that the record is the same on every screen.
double LayoutPixelsPerMm();

// The figures of the record as text objects: each is placed by an <img> of the record's HTML
// and painted as vectors into the rectangle the layout gives it.
class RecordFigures : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using Paint = std::function<void(QPainter&, const QRectF&)>;

    // unitsPerMm: of the device the document is laid out for.
    explicit RecordFigures(double unitsPerMm) : unitsPerMm_(unitsPerMm) {}

    // The HTML that places a figure of the given size (mm).
    QString add(const QSizeF& sizeMm, Paint paint);
    // Takes over the document's images, which are all figures.
    void install(QTextDocument& document);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    int indexOf(const QTextFormat& format) const;

    double unitsPerMm_;
    std::vector<std::pair<QSizeF, Paint>> figures_;
};

// Lays the chart out at the given size (mm) and paints it into target; the chart's own
// measures (fonts, pens, margins) are taken at ChartUnitsPerMm. The caller keeps the chart.
inline constexpr double ChartUnitsPerMm = 5;
void PaintChart(QPainter& painter, const QRectF& target, QChart* chart, const QSizeF& sizeMm);
// Fonts, margins and background of a chart for print.
void StyleChartForPrint(QChart& chart);

}  // namespace fd9
