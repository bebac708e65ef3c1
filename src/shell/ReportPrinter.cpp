#include "shell/ReportPrinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace fd9 {

namespace {

// The left and top edges of the page sit at -5 on a scale of 100: a 5 % margin.
constexpr double MarginFraction = 0.05;

QFont ReportFont(bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10);
    font.setBold(bold);
    return font;
}

// The x of each piece: a zone separator moves on to the next zone, by at least a little.
std::vector<double> PieceStarts(const ReportLine& line, const QFontMetricsF& metrics,
                                double zoneWidth, double* end) {
    std::vector<double> starts;
    double x = 0;
    for (const ReportPiece& piece : line.pieces) {
        for (int zone = 0; zone < piece.zonesBefore; ++zone) {
            x = (std::floor(x / zoneWidth + 1e-6) + 1) * zoneWidth;
        }
        starts.push_back(x);
        x += metrics.horizontalAdvance(QString::fromStdString(piece.text));
    }
    *end = x;
    return starts;
}

}  // namespace

bool PaintReport(QPainter& painter, QSizeF pageSize, const std::function<bool()>& newPage,
                 const std::vector<ReportLine>& lines, int copies) {
    const QFont regular = ReportFont(false);
    const QFont bold = ReportFont(true);
    painter.setFont(regular);
    const QFontMetricsF regularMetrics(regular, painter.device());
    const QFontMetricsF boldMetrics(bold, painter.device());
    // A zone is 14 characters; the font's own average width is not what a fixed-pitch
    // character advances.
    const double zoneWidth = ReportZoneWidth * regularMetrics.horizontalAdvance(QLatin1Char('0'));
    const double lineHeight = std::max(regularMetrics.lineSpacing(), boldMetrics.lineSpacing());
    const double ascent = std::max(regularMetrics.ascent(), boldMetrics.ascent());

    const double margin = MarginFraction * pageSize.width();
    const double usableWidth = pageSize.width() - 2 * margin;
    double widest = 0;
    for (const ReportLine& line : lines) {
        double end = 0;
        PieceStarts(line, line.bold ? boldMetrics : regularMetrics, zoneWidth, &end);
        widest = std::max(widest, end);
    }
    const double scale = widest > usableWidth ? usableWidth / widest : 1.0;
    const double top = MarginFraction * pageSize.height() / scale;
    const double bottom = (1 - MarginFraction) * pageSize.height() / scale;
    const double left = margin / scale;

    painter.save();
    painter.scale(scale, scale);
    double y = top;
    bool ok = true;
    for (int copy = 0; copy < copies && ok; ++copy) {
        for (const ReportLine& line : lines) {
            if (y + lineHeight > bottom && y > top) {
                if (!newPage()) {
                    ok = false;
                    break;
                }
                y = top;
            }
            const QFontMetricsF& metrics = line.bold ? boldMetrics : regularMetrics;
            painter.setFont(line.bold ? bold : regular);
            double end = 0;
            const std::vector<double> starts = PieceStarts(line, metrics, zoneWidth, &end);
            for (std::size_t i = 0; i < line.pieces.size(); ++i) {
                if (!line.pieces[i].text.empty()) {
                    painter.drawText(QPointF(left + starts[i], y + ascent),
                                     QString::fromStdString(line.pieces[i].text));
                }
            }
            y += lineHeight;
        }
    }
    painter.restore();
    return ok;
}

bool PrintReport(QPagedPaintDevice& device, const std::vector<ReportLine>& lines, int copies) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QSizeF page(device.width(), device.height());
    const bool painted = PaintReport(
        painter, page, [&device] { return device.newPage(); }, lines, copies);
    return painter.end() && painted;
}

}  // namespace fd9
