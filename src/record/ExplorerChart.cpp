#include "record/ExplorerChart.h"

#include <QBuffer>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QWidget>
#include <algorithm>

namespace fd9 {

namespace {

const QColor AchievedColour(0, 128, 0);

QLineSeries* Line(const QString& name, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(colour);
    pen.setWidth(2);
    pen.setStyle(style);
    series->setPen(pen);
    return series;
}

// Adds the series on a fire-duration axis and a moment axis from low to high (kNm).
void AttachAxes(QChart& chart, const std::vector<QLineSeries*>& series, double low, double high) {
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Standard fire duration (min)"));
    x->setRange(0, 240);
    x->setTickCount(9);
    x->setLabelFormat(QStringLiteral("%d"));
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Moment (kNm)"));
    y->setRange(low, high);
    y->applyNiceNumbers();
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (QLineSeries* s : series) {
        chart.addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

}  // namespace

void ExplorerChart::fill(QChart& chart) const {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    chart.setTitle(QStringLiteral("Moment capacity against standard fire duration"));
    // Beside the plot each name has a line of its own; below it the window's width would cut
    // the longer ones short. The record hides this legend and prints the key as text.
    chart.legend()->setAlignment(Qt::AlignRight);

    QLineSeries* capacity = Line(QStringLiteral("Capacity"), QColor(0, 90, 200));
    QLineSeries* applied = Line(QStringLiteral("Applied moment"), Qt::black, Qt::DashLine);
    QLineSeries* negative = nullptr;
    QLineSeries* endBay = nullptr;
    QLineSeries* intBay = nullptr;
    std::vector<QLineSeries*> series{capacity, applied};
    if (result_.continuous) {
        negative = Line(QStringLiteral("Negative capacity"), QColor(0, 150, 150));
        endBay = Line(QStringLiteral("Required, end bay"), QColor(200, 100, 0), Qt::DashLine);
        intBay =
            Line(QStringLiteral("Required, intermediate bay"), QColor(150, 0, 150), Qt::DotLine);
        series.insert(series.end(), {negative, endBay, intBay});
    }
    double low = 0;
    double high = 1;
    const auto add = [&](QLineSeries* s, int minutes, float value) {
        s->append(minutes, static_cast<double>(value));
        low = std::min(low, static_cast<double>(value));
        high = std::max(high, static_cast<double>(value));
    };
    // A stopped run has no point: the line passes from the fire before to the fire after.
    for (const ExplorerPoint& p : result_.standard) {
        if (!p.completed) {
            continue;
        }
        add(capacity, p.fire.rating, p.posCapacity);
        add(applied, p.fire.rating, p.appliedMoment);
        if (result_.continuous) {
            add(negative, p.fire.rating, p.negCapacity);
            add(endBay, p.fire.rating, p.reqNegEndBay);
            add(intBay, p.fire.rating, p.reqNegIntBay);
        }
    }
    high *= 1.1;
    addRatingMarkers(series, low, high);
    AttachAxes(chart, series, low, high);
}

void ExplorerChart::addRatingMarkers(std::vector<QLineSeries*>& series, double low,
                                     double high) const {
    const auto marker = [&](const std::optional<std::int16_t>& rating, const char* what,
                            const QColor& colour) {
        if (!rating) {
            return;
        }
        QLineSeries* line =
            Line(QStringLiteral("%1 reached: %2 min").arg(QString::fromLatin1(what)).arg(*rating),
                 colour, Qt::DashDotLine);
        line->append(*rating, low);
        line->append(*rating, high);
        series.push_back(line);
    };
    if (result_.continuous) {
        marker(result_.endSpanRating, "End spans", QColor(200, 100, 0));
        marker(result_.intermediateSpanRating, "Intermediate spans", QColor(150, 0, 150));
    } else {
        marker(result_.stabilityRating, "Stability", AchievedColour);
    }
    marker(result_.insulationRating, "Insulation", Qt::darkGray);
}

QImage ChartImage(QWidget& view) {
    QImage image(view.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.render(&painter);
    return image;
}

QByteArray ChartPng(QWidget& view) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return ChartImage(view).save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray ChartSvg(QWidget& view, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(view.size());
        svg.setViewBox(QRect(QPoint(0, 0), view.size()));
        svg.setTitle(title);
        QPainter painter(&svg);
        view.render(&painter);
    }
    return bytes;
}

}  // namespace fd9
