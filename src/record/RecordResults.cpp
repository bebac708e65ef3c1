// The record's pages of results: temperatures, the calculation's steps and the explorer.
#include <QChart>
#include <QLineSeries>
#include <QStringList>
#include <memory>

#include "calc/FireExplorer.h"
#include "model/Verdicts.h"
#include "record/RecordCharts.h"
#include "record/RecordHtml.h"
#include "thermal/SectionTemperatures.h"

namespace fd9 {

namespace {

bool HasFireCurve(const FloorModel& m) {
    return m.Selected.DesignFire == DesignFire::Standard || (m.FireLoad > 0 && m.OpeningFactor > 0);
}

// The chart as a figure, and its key beneath it: each named line in its colour and dash.
QString Chart(RecordFigures& figures, const QSizeF& sizeMm, QChart* made) {
    const std::shared_ptr<QChart> chart(made);
    if (!chart) {
        return {};
    }
    QStringList key;
    for (QAbstractSeries* series : chart->series()) {
        const auto* line = qobject_cast<QLineSeries*>(series);
        if (!line || line->name().isEmpty()) {
            continue;
        }
        const QPen pen = line->pen();
        key << QStringLiteral("<font color=\"%1\">%2</font>&nbsp;%3")
                   .arg(pen.color().name(),
                        pen.style() == Qt::SolidLine ? QStringLiteral("▬▬")
                                                     : QStringLiteral("▬&nbsp;▬"),
                        line->name().toHtmlEscaped());
    }
    return figures.add(sizeMm,
                       [sizeMm, chart](QPainter& painter, const QRectF& area) {
                           PaintChart(painter, area, chart.get(), sizeMm);
                       }) +
           QStringLiteral("<br><span style=\"font-size: 7pt\">%1</span>")
               .arg(key.join(QStringLiteral(" &nbsp; ")));
}

// One row of a quantity of both groups; the negative one only for a continuous member.
struct Quantity {
    const char* name;
    const char* unit;
    float positive;
    float negative;
    const char* pattern;
    const char* negativePattern = nullptr;
};

void QuantityTable(Html& html, const std::vector<Quantity>& rows, bool continuous) {
    QStringList headers{QStringLiteral("Quantity"), QStringLiteral("Positive moment")};
    if (continuous) {
        headers << QStringLiteral("Negative moment");
    }
    headers << QStringLiteral("Unit");
    html.beginTable(headers, continuous ? QList<int>{52, 18, 18, 12} : QList<int>{60, 25, 15});
    for (const Quantity& q : rows) {
        QStringList cells{QString::fromUtf8(q.name), Result(q.positive, q.pattern)};
        if (continuous) {
            cells << Result(q.negative, q.negativePattern ? q.negativePattern : q.pattern);
        }
        cells << QString::fromUtf8(q.unit);
        html.row(cells);
    }
    html.endTable();
}

QStringList Lines(const std::string& text, const std::string& separator) {
    QStringList lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find(separator, start);
        const std::string line = text.substr(start, end - start);
        if (!line.empty()) {
            lines << Escaped(line);
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + separator.size();
    }
    return lines;
}

void VerdictSentences(Html& html, const CalculationOutcome& o) {
    html.subheading(QStringLiteral("Verdicts as CALCULATE gives them"));
    const QString pre = QStringLiteral("white-space: pre-wrap");
    html.paragraph(QStringLiteral("<i>Message area:</i>"));
    const QStringList messages = Lines(o.messages.value_or(std::string()), "\r");
    if (messages.isEmpty()) {
        html.paragraph(QStringLiteral("(none: CALCULATE did nothing)"));
    }
    for (const QString& line : messages) {
        html.paragraph(QStringLiteral("<b>%1</b>").arg(line), pre);
    }
    if (o.boxes.empty()) {
        return;
    }
    html.paragraph(QStringLiteral("<i>Message boxes, in order:</i>"));
    for (const CalculationBox& box : o.boxes) {
        html.beginTable({});
        html.row({QStringLiteral("<span style=\"white-space: pre-wrap\">%1</span>")
                      .arg(Lines(box.text, "\r\n").join(QStringLiteral("<br>")))});
        html.endTable();
    }
}

QString Percent(float available, float required) {
    const std::optional<double> percent = MarginPercent(available, required);
    return percent ? Result(*percent, "0.0") : QString();
}

QString VerdictCell(const ExplorerPoint& p) {
    const QString colour = !p.completed ? QStringLiteral("#b06000")
                           : p.stable() ? QStringLiteral("#007000")
                                        : QStringLiteral("#d00000");
    return QStringLiteral("<font color=\"%1\">%2</font>").arg(colour, Escaped(VerdictText(p)));
}

QStringList ExplorerHeaders(const ExplorerResult& e, bool standard, bool insulation) {
    QStringList headers;
    if (standard) {
        headers << QStringLiteral("FRR (min)");
    } else {
        headers << QStringLiteral("Fire load (kg/m²)") << QStringLiteral("Opening factor");
    }
    headers << QStringLiteral("Capacity (kNm)") << QStringLiteral("Applied moment (kNm)")
            << QStringLiteral("Margin (kNm)") << QStringLiteral("Margin (%)");
    if (e.continuous) {
        headers << QStringLiteral("Negative capacity (kNm)")
                << QStringLiteral("Required, end bay (kNm)")
                << QStringLiteral("Required, int. bay (kNm)")
                << QStringLiteral("End bay margin (kNm)") << QStringLiteral("End bay margin (%)")
                << QStringLiteral("Int. bay margin (kNm)") << QStringLiteral("Int. bay margin (%)")
                << QStringLiteral("Failure mode");
    }
    if (insulation) {
        headers << QStringLiteral("Insulation rating (min)");
    }
    // A continuous member's verdict names both spans: it takes a row of its own.
    if (!e.continuous) {
        headers << QStringLiteral("Verdict");
    }
    return headers;
}

QStringList ExplorerValues(const ExplorerPoint& p, bool continuous) {
    QStringList cells{Result(p.posCapacity, "0.0"), Result(p.appliedMoment, "0.0"),
                      Result(MarginKnm(p.posCapacity, p.appliedMoment), "0.0"),
                      Percent(p.posCapacity, p.appliedMoment)};
    if (continuous) {
        cells << Result(p.negCapacity, "0.000") << Result(p.reqNegEndBay, "0.000")
              << Result(p.reqNegIntBay, "0.000")
              << Result(MarginKnm(p.negCapacity, p.reqNegEndBay), "0.000")
              << Percent(p.negCapacity, p.reqNegEndBay)
              << Result(MarginKnm(p.negCapacity, p.reqNegIntBay), "0.000")
              << Percent(p.negCapacity, p.reqNegIntBay)
              << QString::fromLatin1(FailureModeText(p.compressiveFailure));
    }
    return cells;
}

void ExplorerTable(Html& html, const ExplorerResult& e, bool standard) {
    const bool insulation = standard && e.floorType != FloorType::Beam;
    const QStringList headers = ExplorerHeaders(e, standard, insulation);
    const int fireColumns = standard ? 1 : 2;
    html.raw(QStringLiteral("<div style=\"font-size: %1pt\">").arg(e.continuous ? 6.5 : 7));
    // Room for the failure mode in the wide table of a continuous member.
    const QList<int> continuousWidths = standard
                                            ? QList<int>{7, 7, 7, 7, 6, 8, 8, 8, 8, 6, 8, 6, 14}
                                            : QList<int>{6, 6, 7, 7, 7, 6, 8, 8, 8, 8, 6, 7, 6, 10};
    html.beginTable(headers, e.continuous && !insulation ? continuousWidths : QList<int>{});
    for (const ExplorerPoint& p : standard ? e.standard : e.nonStandard) {
        QStringList cells;
        if (standard) {
            cells << QString::number(p.fire.rating);
        } else {
            cells << QString::number(p.fire.fireLoad) << Result(p.fire.openingFactor, "0.00");
        }
        // The verdict across every column after the leading ones.
        const auto verdictRow = [&](const QStringList& leading) {
            QString row = QStringLiteral("<tr>");
            for (const QString& cell : leading) {
                row += QStringLiteral("<td>%1</td>").arg(cell);
            }
            html.raw(row + QStringLiteral("<td colspan=\"%1\">%2</td></tr>")
                               .arg(headers.size() - leading.size())
                               .arg(VerdictCell(p)));
        };
        if (!p.completed) {
            verdictRow(cells);
            continue;
        }
        cells << ExplorerValues(p, e.continuous);
        if (insulation) {
            cells << (p.insulationRating ? QString::number(*p.insulationRating) : QString());
        }
        if (e.continuous) {
            html.row(cells);
            verdictRow(QStringList(fireColumns, QString()));
        } else {
            html.row(cells << VerdictCell(p));
        }
    }
    html.endTable();
    html.raw(QStringLiteral("</div>"));
}

}  // namespace

void WriteTemperatures(Html& html, const RecordParts& parts) {
    const RecordRun& run = parts.run;
    const FloorModel& m = run.model;
    html.heading(QStringLiteral("4 Temperatures"), true);
    if (HasFireCurve(run.input)) {
        html.paragraph(Chart(parts.figures, {170, 58}, FireCurveChart(run.input)));
    }
    if (!run.completed()) {
        html.paragraph(
            QStringLiteral("The calculation stopped, so this record shows no "
                           "temperature of it."));
        return;
    }
    if (!run.profiles.empty() && !run.profiles.front().block.points.empty()) {
        html.paragraph(Chart(parts.figures, {170, 88}, ProfileChart(run)));
        html.paragraph(
            QStringLiteral("Read from the temperature data files as the calculation reads them: "
                           "the first block of the design fire whose width is not more than the "
                           "member's (or rib's) width, interpolated linearly in depth. Dotted: "
                           "500 °C and 750 °C; concrete above 750 °C counts as fire-damaged."),
            QStringLiteral("font-size: 7pt"));
    }
    const bool continuous = run.continuous();
    std::vector<Quantity> rows{
        {"Effective cover of the steel", "mm", m.PosEffectiveCover, m.NegEffectiveCover, "0.0",
         "0.00"},
        {"Steel temperature", "°C", m.PosSteelTemp, m.NegSteelTemp, "0.0"},
        {"Steel yield strength", "MPa", m.PosSteelStrength, m.NegSteelStrength, "0.0"},
        {"Reduced steel strength", "MPa", m.PosReducedSteelStrength, m.NegReducedSteelStrength,
         "0.0"},
        {"Damaged depth (concrete above 750 °C)", "mm", m.PosDamagedDepth, m.NegDamagedDepth,
         "0.0"},
        {"Concrete temperature of the compression zone", "°C", m.PosConcTemp, m.NegConcTemp, "0.0"},
        {"Concrete strength f'c", "MPa", m.ConcreteStrength, m.ConcreteStrength, "0.0"},
        {"Reduced concrete strength", "MPa", m.PosReducedConcStrength, m.NegReducedConcStrength,
         "0.0"},
    };
    html.subheading(QStringLiteral("Steel and concrete at temperature"));
    QuantityTable(html, rows, continuous);
    if (m.Selected.ConcreteType == ConcreteType::LightWeight) {
        html.paragraph(QStringLiteral("Light-weight concrete has no data file of its own: its "
                                      "steel and concrete temperatures are those of "
                                      "normal-weight concrete times %1.")
                           .arg(Input(static_cast<float>(LightWeightFactor))));
    }
}

void WriteCalculation(Html& html, const RecordParts& parts) {
    const RecordRun& run = parts.run;
    const FloorModel& m = run.model;
    html.heading(QStringLiteral("5 Calculation"));
    if (run.completed()) {
        const std::vector<Quantity> rows{
            {"Steel area", "mm²", m.PosSteelArea, m.NegSteelArea, "0.0"},
            {"Effective cover (area-weighted)", "mm", m.PosEffectiveCover, m.NegEffectiveCover,
             "0.0", "0.00"},
            {"Centroid of the steel (positive: above the soffit, negative: below the top)", "mm",
             m.PosCentroid, m.NegCentroid, "0.0", "0.00"},
            {"Effective depth", "mm", m.PosEffectiveDepth, m.NegEffectiveDepth, "0.0"},
            {"Damaged depth (750 °C)", "mm", m.PosDamagedDepth, m.NegDamagedDepth, "0.0"},
            {"Reduced depth", "mm", m.PosReducedDepth, m.NegReducedDepth, "0.0"},
            {"Reduced width", "mm", m.PosReducedWidth, m.NegReducedWidth, "0.0"},
            {"Reduced steel strength", "MPa", m.PosReducedSteelStrength, m.NegReducedSteelStrength,
             "0.0"},
            {"Reduced concrete strength", "MPa", m.PosReducedConcStrength, m.NegReducedConcStrength,
             "0.0"},
            {"Depth of the compression zone (stress block)", "mm", m.PosStressBlockDepth,
             m.NegStressBlockDepth, "0.0"},
            {"Moment capacity", "kNm", m.PosMomentCapacity, m.NegMomentCapacity, "0.00"},
        };
        QuantityTable(html, rows, run.continuous());
        QStringList lines{QStringLiteral("Applied moment of the fire-case loads: %1 kNm")
                              .arg(Result(m.AppliedMoment, "0.00"))};
        if (run.standardFire() && m.Selected.FloorType != FloorType::Beam) {
            lines << QStringLiteral("Insulation rating of the slab or flange: %1 minutes")
                         .arg(m.InsulationRating);
        }
        if (run.continuous()) {
            lines << QStringLiteral("Negative moment capacity required for end bays: %1 kNm")
                         .arg(Result(m.ReqNegMomEndBay, "0.00"))
                  << QStringLiteral(
                         "Negative moment capacity required for intermediate bays: "
                         "%1 kNm")
                         .arg(Result(m.ReqNegMomIntBay, "0.00"))
                  << QStringLiteral("Failure mode of the negative section: %1")
                         .arg(Escaped(
                             run.outcome.label(ResultLabel::FailureMode).value_or(std::string())))
                  << QStringLiteral(
                         "Length of negative moment reinforcement (support to "
                         "inflection point), end bay: %1 m")
                         .arg(Result(m.NegSteelLengthEndBay, "0.00"))
                  << QStringLiteral(
                         "Length of negative moment reinforcement, intermediate bay: "
                         "%1 m")
                         .arg(Result(m.NegSteelLengthIntBay, "0.00"))
                  << QStringLiteral("Passes of the compression-zone iteration: %1")
                         .arg(run.outcome.compressionZonePasses);
        }
        for (const QString& line : lines) {
            html.paragraph(line);
        }
    } else {
        html.paragraph(
            QStringLiteral("The calculation stopped before its verdicts; none of its "
                           "steps is shown."));
    }
    VerdictSentences(html, run.outcome);
}

void WriteExplorer(Html& html, const RecordParts& parts) {
    const ExplorerResult& e = parts.run.explorer;
    html.heading(QStringLiteral("6 Fire resistance explorer"), true);
    if (e.nothingToCalculate) {
        html.paragraph(
            QStringLiteral("Nothing to explore: the member has no positive-moment "
                           "steel."));
        return;
    }
    html.paragraph(
        QStringLiteral("The member under each standard rating and each non-standard "
                       "fire, each a CALCULATE of its own on a copy of the model with "
                       "only the fire changed."));
    html.paragraph(Chart(parts.figures, {170, 80}, ExplorerPrintChart(e)));
    html.subheading(QStringLiteral("Standard fire"));
    ExplorerTable(html, e, true);
    html.subheading(QStringLiteral("Non-standard fires"));
    ExplorerTable(html, e, false);
}

}  // namespace fd9
