#include "record/RecordCharts.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "model/NumberText.h"
#include "model/ResultFormat.h"
#include "record/ExplorerChart.h"
#include "record/RecordFigures.h"
#include "thermal/FireCurves.h"
#include "thermal/SectionTemperatures.h"

namespace fd9 {

namespace {

QString Fixed(double value, const char* pattern) {
    return QString::fromStdString(FormatResult(value, pattern));
}

QLineSeries* Line(QChart& chart, const QString& name, const QColor& colour,
                  Qt::PenStyle style = Qt::SolidLine, double width = 1.5) {
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(colour, width);
    pen.setStyle(style);
    series->setPen(pen);
    chart.addSeries(series);
    return series;
}

double NiceCeiling(double value, double step) {
    return std::max(step, std::ceil(value / step) * step);
}

// A round step that cuts 0..range into four to ten intervals.
double NiceStep(double range) {
    double step = 1;
    for (double decade = 0.01; decade <= 1e5; decade *= 10) {
        for (double mantissa : {1.0, 2.0, 2.5, 5.0}) {
            if (range / (mantissa * decade) <= 10) {
                return mantissa * decade;
            }
        }
    }
    return step;
}

QValueAxis* Axis(const QString& title, double max, double step) {
    max = NiceCeiling(max, step);
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(0, max);
    axis->setTickCount(static_cast<int>(std::lround(max / step)) + 1);
    axis->setLabelFormat(step < 1 ? QStringLiteral("%.2f") : QStringLiteral("%d"));
    if (step < 1 && step * 10 == std::round(step * 10)) {
        axis->setLabelFormat(QStringLiteral("%.1f"));
    }
    return axis;
}

// The axes from 0 to the maxima rounded up to a round step, or to the given step of x.
void Axes(QChart& chart, const QString& xTitle, double xMax, const QString& yTitle, double yMax,
          double xStep = 0) {
    QValueAxis* x = Axis(xTitle, xMax, xStep > 0 ? xStep : NiceStep(xMax));
    QValueAxis* y = Axis(yTitle, yMax, NiceStep(yMax));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    StyleChartForPrint(chart);
}

void UprightLine(QLineSeries* line, double x, double yMax) {
    line->append(x, 0);
    line->append(x, yMax);
}

// ISO 834 to the rating, or the compartment fire to its end with ISO 834 beside it.
void FillFire(QChart& chart, const FloorModel& m) {
    const QColor fireColour(200, 40, 0);
    if (m.Selected.DesignFire == DesignFire::Standard) {
        const double end = std::max(240.0, static_cast<double>(m.FRRequired));
        QLineSeries* iso = Line(chart, QStringLiteral("ISO 834 standard fire"), fireColour);
        for (int minute = 0; minute <= static_cast<int>(end); ++minute) {
            iso->append(minute, Iso834(minute));
        }
        const double top = NiceCeiling(Iso834(end), 200);
        UprightLine(Line(chart, QStringLiteral("FRR required: %1 min").arg(m.FRRequired), Qt::black,
                         Qt::DashLine, 1),
                    m.FRRequired, top);
        chart.setTitle(QStringLiteral("Design fire: ISO 834 standard fire"));
        Axes(chart, QStringLiteral("Time (min)"), end, QStringLiteral("Gas temperature (°C)"), top,
             30);
        return;
    }
    const LieFire fire(m.FireLoad, m.OpeningFactor);
    const double end = NiceCeiling(fire.endHours() * 1.05, fire.endHours() > 4 ? 2 : 0.5);
    QLineSeries* gas = Line(chart, QStringLiteral("Compartment fire"), fireColour);
    QLineSeries* iso =
        Line(chart, QStringLiteral("ISO 834, for comparison"), Qt::gray, Qt::DashLine, 1);
    double hottest = 0;
    constexpr int Steps = 400;
    for (int i = 0; i <= Steps; ++i) {
        const double hours = end * i / Steps;
        gas->append(hours, fire.gas(hours));
        iso->append(hours, Iso834(hours * 60));
        hottest = std::max({hottest, fire.gas(hours), Iso834(hours * 60)});
    }
    const double top = NiceCeiling(hottest, 200);
    UprightLine(
        Line(chart, QStringLiteral("End of heating: %1 h").arg(Fixed(fire.durationHours(), "0.00")),
             Qt::black, Qt::DashLine, 1),
        fire.durationHours(), top);
    chart.setTitle(
        QStringLiteral("Design fire: compartment fire, %1 kg/m² and opening factor %2 m½")
            .arg(m.FireLoad)
            .arg(QString::fromStdString(FileNumberText(m.OpeningFactor))));
    Axes(chart, QStringLiteral("Time (h)"), end, QStringLiteral("Gas temperature (°C)"), top);
}

QString ProfileName(const RecordProfile& profile, const FloorModel& m) {
    QString name = QString::fromStdString(profile.file);
    if (m.Selected.DesignFire == DesignFire::Standard) {
        name += QStringLiteral(", %1 min").arg(m.FRRequired);
    } else {
        name += QStringLiteral(", %1 kg/m², %2")
                    .arg(m.FireLoad)
                    .arg(QString::fromStdString(FileNumberText(m.OpeningFactor)));
    }
    if (profile.part == "flange" || profile.part == "slab") {
        return name + QStringLiteral(" (%1)").arg(QString::fromStdString(profile.part));
    }
    return name + QStringLiteral(" (%1 %2 mm wide: block of %3 mm)")
                      .arg(QString::fromStdString(profile.part))
                      .arg(Fixed(profile.widthLimit, "0.0"))
                      .arg(QString::fromStdString(FileNumberText(profile.block.widthKey)));
}

struct Marker {
    QString name;
    float depth;
    float temperature;
    QColor colour;
};

void AddMarkers(QChart& chart, const std::vector<Marker>& markers, double top) {
    for (const Marker& marker : markers) {
        QLineSeries* line = Line(chart, marker.name, marker.colour, Qt::DashLine, 1);
        line->append(marker.depth, 0);
        line->append(marker.depth, marker.temperature);
        line->append(0, marker.temperature);
    }
    for (float level : {500.0f, 750.0f}) {
        if (level < top) {
            QLineSeries* line = Line(chart, QString(), Qt::gray, Qt::DotLine, 1);
            line->append(0, level);
            line->append(100000, level);
            for (QLegendMarker* legend : chart.legend()->markers(line)) {
                legend->setVisible(false);
            }
        }
    }
}

}  // namespace

std::optional<float> DepthAtTemperature(const std::vector<ProfilePoint>& points,
                                        float temperature) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        const ProfilePoint& a = points[i - 1];
        const ProfilePoint& b = points[i];
        if (a.temperature > temperature && b.temperature <= temperature) {
            const double share = (static_cast<double>(a.temperature) - temperature) /
                                 (static_cast<double>(a.temperature) - b.temperature);
            return static_cast<float>(a.depth + share * (static_cast<double>(b.depth) - a.depth));
        }
    }
    return std::nullopt;
}

std::optional<float> TemperatureAtDepth(const std::vector<ProfilePoint>& points, float depth) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        const ProfilePoint& a = points[i - 1];
        const ProfilePoint& b = points[i];
        if (a.depth <= depth && depth <= b.depth) {
            const double share =
                (static_cast<double>(depth) - a.depth) / (static_cast<double>(b.depth) - a.depth);
            return static_cast<float>(a.temperature +
                                      share * (static_cast<double>(b.temperature) - a.temperature));
        }
    }
    return std::nullopt;
}

QChart* FireCurveChart(const FloorModel& model) {
    if (model.Selected.DesignFire == DesignFire::NonStandard &&
        (model.FireLoad <= 0 || !(model.OpeningFactor > 0))) {
        return nullptr;
    }
    auto* chart = new QChart;
    FillFire(*chart, model);
    return chart;
}

QChart* ProfileChart(const RecordRun& run) {
    if (run.profiles.empty() || run.profiles.front().block.points.empty()) {
        return nullptr;
    }
    const FloorModel& m = run.model;
    auto* chart = new QChart;
    const QColor colours[] = {QColor(200, 40, 0), QColor(0, 90, 200)};
    double hottest = 0;
    double deepest = 0;
    std::vector<Marker> markers;
    const bool lightWeight = m.Selected.ConcreteType == ConcreteType::LightWeight;
    for (std::size_t i = 0; i < run.profiles.size(); ++i) {
        const RecordProfile& profile = run.profiles[i];
        QLineSeries* line = Line(*chart, ProfileName(profile, m), colours[i % 2]);
        QLineSeries* scaled =
            lightWeight ? Line(*chart,
                               QStringLiteral("the same x %1, as the calculation takes the steel "
                                              "of light-weight concrete")
                                   .arg(QString::fromStdString(FileNumberText(LightWeightFactor))),
                               colours[i % 2], Qt::DashDotLine, 1)
                        : nullptr;
        for (const ProfilePoint& point : profile.block.points) {
            line->append(point.depth, point.temperature);
            if (scaled) {
                scaled->append(point.depth, point.temperature * LightWeightFactor);
            }
            hottest = std::max(hottest, static_cast<double>(point.temperature));
        }
        deepest = std::max(deepest, static_cast<double>(profile.block.points.back().depth));
    }
    const std::vector<ProfilePoint>& member = run.profiles.front().block.points;
    double interesting = std::max(100.0, 2.5 * m.PosEffectiveCover);
    for (float level : {500.0f, 750.0f}) {
        if (const std::optional<float> depth = DepthAtTemperature(member, level)) {
            markers.push_back(
                {QStringLiteral("%1 °C at %2 mm")
                     .arg(QString::fromStdString(FileNumberText(level)), Fixed(*depth, "0.0")),
                 *depth, level, Qt::darkGray});
            interesting = std::max(interesting, 1.5 * *depth);
        }
    }
    markers.push_back({QStringLiteral("Positive steel: effective cover %1 mm, %2 °C")
                           .arg(Fixed(m.PosEffectiveCover, "0.0"), Fixed(m.PosSteelTemp, "0.0")),
                       m.PosEffectiveCover, m.PosSteelTemp, QColor(0, 130, 0)});
    if (run.continuous()) {
        markers.push_back(
            {QStringLiteral("Negative steel: effective cover %1 mm, %2 °C")
                 .arg(Fixed(m.NegEffectiveCover, "0.00"), Fixed(m.NegSteelTemp, "0.0")),
             m.NegEffectiveCover, m.NegSteelTemp, QColor(150, 0, 150)});
        interesting = std::max(interesting, 2.5 * m.NegEffectiveCover);
    }
    const double top = NiceCeiling(hottest, 200);
    AddMarkers(*chart, markers, top);
    chart->setTitle(QStringLiteral("Temperature against depth from the exposed face, as read"));
    Axes(*chart, QStringLiteral("Depth from the exposed face (mm)"),
         NiceCeiling(std::min(deepest, interesting), 20), QStringLiteral("Temperature (°C)"), top);
    return chart;
}

QChart* ExplorerPrintChart(const ExplorerResult& result) {
    auto* chart = new QChart;
    ExplorerChart(result).fill(*chart);
    for (QAbstractSeries* series : chart->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            QPen pen = line->pen();
            pen.setWidthF(1.5);
            line->setPen(pen);
        }
    }
    StyleChartForPrint(*chart);
    return chart;
}

}  // namespace fd9
