#include "record/RecordFigures.h"

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLegend>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>
#include <QTextFormat>
#include <cmath>

namespace fd9 {

namespace {

const QString FigurePrefix = QStringLiteral("fd9figure:");

// A chart's fonts are laid out in its own units, whatever the screen's resolution.
QFont ChartFont(double points, bool bold = false) {
    QFont font = RecordFont(points, bold);
    font.setPixelSize(static_cast<int>(std::lround(points * 25.4 / 72 * ChartUnitsPerMm)));
    return font;
}

}  // namespace

QFont RecordFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    // Any letter spacing turns ligatures off, so "fi" is copied out of the PDF as two letters.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    return font;
}

// As the text layout finds the screen's resolution.
double LayoutPixelsPerMm() {
    double dpi = 100;
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) {
        dpi = 96;
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        dpi = std::round(screen->logicalDotsPerInchY());
    }
    return dpi / 25.4;
}

QString RecordFigures::add(const QSizeF& sizeMm, Paint paint) {
    figures_.emplace_back(sizeMm, std::move(paint));
    return QStringLiteral("<img src=\"%1%2\">").arg(FigurePrefix).arg(figures_.size() - 1);
}

void RecordFigures::install(QTextDocument& document) {
    document.documentLayout()->registerHandler(QTextFormat::ImageObject, this);
}

int RecordFigures::indexOf(const QTextFormat& format) const {
    const QString name = format.toImageFormat().name();
    if (!name.startsWith(FigurePrefix)) {
        return -1;
    }
    bool ok = false;
    const int index = name.mid(FigurePrefix.size()).toInt(&ok);
    return ok && index >= 0 && index < static_cast<int>(figures_.size()) ? index : -1;
}

QSizeF RecordFigures::intrinsicSize(QTextDocument*, int, const QTextFormat& format) {
    const int index = indexOf(format);
    return index < 0 ? QSizeF() : figures_[index].first * unitsPerMm_;
}

void RecordFigures::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                               const QTextFormat& format) {
    const int index = indexOf(format);
    if (index < 0) {
        return;
    }
    painter->save();
    figures_[index].second(*painter, rect);
    painter->restore();
}

void StyleChartForPrint(QChart& chart) {
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.setBackgroundRoundness(0);
    chart.setDropShadowEnabled(false);
    chart.setBackgroundBrush(Qt::white);
    chart.setMargins(QMargins(2, 2, 2, 2));
    chart.setTitleFont(ChartFont(8.5, true));
    // The key is printed beneath the chart as text, where no name is cut short.
    chart.legend()->hide();
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(ChartFont(7));
        axis->setTitleFont(ChartFont(7.5));
    }
}

void PaintChart(QPainter& painter, const QRectF& target, QChart* chart, const QSizeF& sizeMm) {
    const QRectF logical(QPointF(0, 0), sizeMm * ChartUnitsPerMm);
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->setGeometry(logical);
    chart->layout()->activate();
    scene.setSceneRect(logical);
    scene.render(&painter, target, logical, Qt::IgnoreAspectRatio);
    scene.removeItem(chart);
}

}  // namespace fd9
