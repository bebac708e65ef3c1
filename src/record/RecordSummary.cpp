// Page one of the record: who it is for, the verdicts, the inputs and the section.
#include "calc/FireExplorer.h"
#include "record/RecordHtml.h"
#include "record/SectionFigure.h"

namespace fd9 {

namespace {

// A blank field is an empty box of one line, for the engineer to fill in by hand.
QString Box(const std::string& value) {
    QString text = Escaped(value);
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<br>") + (text.isEmpty() ? QStringLiteral("&nbsp;") : text);
}

QString Label(const char* text) {
    return QStringLiteral("<span style=\"font-size: 6.5pt; color: #505050\">%1</span>")
        .arg(QString::fromUtf8(text));
}

void WriteDetails(Html& html, const RecordParts& parts) {
    const RecordDetails& d = parts.input.details;
    html.beginTable({}, {18, 18, 22, 42});
    html.row({Label("Engineer") + Box(d.engineer), Label("Checker") + Box(d.checker),
              Label("Organisation") + Box(d.organisation), Label("Note") + Box(d.note)});
    html.endTable();
}

QString Moment(double value) {
    return Result(value, "0.00") + QStringLiteral(" kNm");
}

// "capacity 57.34 kNm against 45.00 kNm: margin 12.34 kNm (27.4 %)"
QString Comparison(float capacity, float demand, const char* demandName) {
    const std::optional<double> percent = MarginPercent(capacity, demand);
    return QStringLiteral("capacity %1, %2 %3: margin %4%5")
        .arg(Moment(capacity), QString::fromLatin1(demandName), Moment(demand),
             Moment(MarginKnm(capacity, demand)),
             percent ? QStringLiteral(" (%1 %)").arg(Result(*percent, "0.0")) : QString());
}

QString InsulationText(const RecordRun& run) {
    const FloorModel& m = run.model;
    if (!run.standardFire()) {
        return QStringLiteral("not considered for a non-standard fire");
    }
    if (m.Selected.FloorType == FloorType::Beam) {
        return QStringLiteral("not assessed for a beam");
    }
    const bool achieved = run.outcome.insulation.value_or(false);
    return QStringLiteral("%1: insulation rating %2 minutes %3 %4 minutes required")
        .arg(VerdictWord(achieved))
        .arg(m.InsulationRating)
        .arg(achieved ? QStringLiteral("≥") : QStringLiteral("<"))
        .arg(m.FRRequired);
}

QString ReachedRatings(const ExplorerResult& e) {
    if (e.nothingToCalculate) {
        return QStringLiteral("none: nothing to calculate");
    }
    QString text = e.continuous
                       ? QStringLiteral(
                             "stability of end spans %1, of intermediate "
                             "spans %2")
                             .arg(Escaped(RatingText(e.endSpanRating)),
                                  Escaped(RatingText(e.intermediateSpanRating)))
                       : QStringLiteral("stability %1").arg(Escaped(RatingText(e.stabilityRating)));
    return text + QStringLiteral("; insulation %1")
                      .arg(Escaped(RatingText(e.insulationRating, e.floorType != FloorType::Beam)));
}

QString InputToConfirm(const RecordRun& run) {
    switch (run.unconfirmed) {
        case UnconfirmedInput::Loads:
            return QStringLiteral(
                "<b>Loads</b>: the dead load, the live load, their factors and "
                "the span, confirmed with OK under Loads");
        case UnconfirmedInput::NonStandardFire:
            return QStringLiteral(
                "<b>Design fire</b>: the fire load and the opening factor, "
                "confirmed with OK under Design Fire, Non-Standard");
        case UnconfirmedInput::Rating:
            return QStringLiteral(
                "<b>Design fire</b>: the fire resistance rating, chosen under Design Fire, "
                "Standard (ISO)");
        case UnconfirmedInput::None:
            break;
    }
    if (run.outcome.nothingHappened) {
        return QStringLiteral("<b>Reinforcement</b>: the member has no positive-moment steel");
    }
    return QStringLiteral("the inputs the reason above names");
}

void StoppedRows(Html& html, const RecordRun& run) {
    const QString reason = run.outcome.nothingHappened
                               ? QStringLiteral(
                                     "The member has no positive-moment steel, so "
                                     "CALCULATE did nothing.")
                               : Escaped(run.outcome.stopMessage);
    html.row({QStringLiteral("<b>Verdict</b>"),
              QStringLiteral("<b><font color=\"#b06000\">NONE: THE CALCULATION STOPPED.</font></b> "
                             "%1 No capacity and no verdict are given for this run.")
                  .arg(reason)});
    html.row({QStringLiteral("Input to confirm"), InputToConfirm(run)});
}

void VerdictRows(Html& html, const RecordRun& run) {
    const FloorModel& m = run.model;
    const CalculationOutcome& o = run.outcome;
    if (run.continuous()) {
        html.row({QStringLiteral("<b>Stability, end spans</b>"), VerdictWord(*o.endSpans)});
        html.row({QStringLiteral("<b>Stability, intermediate spans</b>"),
                  VerdictWord(*o.intermediateSpans)});
    } else {
        html.row({QStringLiteral("<b>Stability</b>"), VerdictWord(*o.stability)});
    }
    html.row({QStringLiteral("Insulation"), InsulationText(run)});
    html.row({QStringLiteral("Positive moment"),
              Comparison(m.PosMomentCapacity, m.AppliedMoment, "applied moment")});
    if (run.continuous()) {
        html.row({QStringLiteral("Negative moment, end bays"),
                  Comparison(m.NegMomentCapacity, m.ReqNegMomEndBay, "required")});
        html.row({QStringLiteral("Negative moment, intermediate bays"),
                  Comparison(m.NegMomentCapacity, m.ReqNegMomIntBay, "required")});
        const QString mode = Escaped(o.label(ResultLabel::FailureMode).value_or(std::string()));
        html.row({QStringLiteral("Failure mode"),
                  o.failureModeRed.value_or(false)
                      ? QStringLiteral("<font color=\"#d00000\">%1</font>").arg(mode)
                      : mode});
    }
}

}  // namespace

void WriteSummary(Html& html, const RecordParts& parts) {
    const RecordRun& run = parts.run;
    WriteDetails(html, parts);
    html.heading(parts.input.modelName.empty()
                     ? QStringLiteral("1 Summary")
                     : QStringLiteral("1 Summary of %1").arg(Escaped(parts.input.modelName)));
    html.beginTable({}, {33, 67});
    html.row({QStringLiteral("Design fire"), DesignFireText(run.input, true)});
    if (run.completed()) {
        VerdictRows(html, run);
    } else {
        StoppedRows(html, run);
    }
    html.row(
        {QStringLiteral("Exposure class, cover"),
         QStringLiteral("%1; cover warning: %2")
             .arg(QString::fromLatin1(ExposureName(run.input.Selected.Exposure)),
                  run.coverWarning.empty()
                      ? QString::fromLatin1(run.completed() ? "none" : "none given by this run")
                      : QStringLiteral("<font color=\"#b06000\">%1</font>")
                            .arg(Escaped(run.coverWarning)))});
    html.row({QStringLiteral("Highest standard rating reached (explorer)"),
              ReachedRatings(run.explorer)});
    html.endTable();
}

namespace {

QString Mm(float value) {
    return Input(value) + QStringLiteral(" mm");
}

QList<QStringList> MemberRows(const FloorModel& m) {
    const CurrentSelection& s = m.Selected;
    QList<QStringList> rows{{QStringLiteral("Floor type"), FloorName(s.FloorType)}};
    if (s.FloorType == FloorType::Beam || s.FloorType == FloorType::Slab) {
        rows.append({QStringLiteral("Width"), Mm(m.SectionWidth)});
        rows.append({QStringLiteral("Depth"), Mm(m.SectionDepth)});
    } else {
        rows.append({QStringLiteral("Overall width, depth"),
                     QStringLiteral("%1, %2").arg(Mm(m.OverallWidth), Mm(m.OverallDepth))});
        rows.append({QStringLiteral("Depth of ribs"), Mm(m.RibDepth)});
        rows.append({QStringLiteral("Rib width at top, bottom"),
                     QStringLiteral("%1, %2").arg(Mm(m.RibWidthTop), Mm(m.RibWidthBot))});
    }
    rows.append({QStringLiteral("Concrete"),
                 QStringLiteral("%1, f'c %2 MPa")
                     .arg(ConcreteName(s.ConcreteType), Input(m.ConcreteStrength))});
    rows.append({QStringLiteral("Positive-moment steel"),
                 QStringLiteral("%1, fy %2 MPa")
                     .arg(SteelName(s.PosSteelType), Input(m.PosSteelStrength))});
    rows.append({QStringLiteral("Negative-moment steel"),
                 QStringLiteral("%1, fy %2 MPa")
                     .arg(SteelName(s.NegSteelType), Input(m.NegSteelStrength))});
    return rows;
}

QList<QStringList> LoadRows(const FloorModel& m) {
    const CurrentSelection& s = m.Selected;
    return {
        {QStringLiteral("Dead load, factor"),
         QStringLiteral("%1 kN/m, %2")
             .arg(Result(m.DeadLoad, "0.000"), Result(m.DeadLoadFactor, "0.00"))},
        {QStringLiteral("Live load, factor"),
         QStringLiteral("%1 kN/m, %2")
             .arg(Result(m.LiveLoad, "0.000"), Result(m.LiveLoadFactor, "0.00"))},
        {QStringLiteral("Span"), Result(m.Span, "0.000") + QStringLiteral(" m")},
        {QStringLiteral("Support"), IsContinuous(m) ? QStringLiteral("continuous over supports")
                                                    : QStringLiteral("simply supported")},
        {QStringLiteral("Exposure class"), QString::fromLatin1(ExposureName(s.Exposure))},
        {QStringLiteral("Design fire"), DesignFireText(m, false)},
    };
}

// Positive bars on the left, negative on the right, row by row.
void BarTable(Html& html, const FloorModel& m) {
    const QStringList columns{QStringLiteral("Bar"),        QStringLiteral("x (mm)"),
                              QStringLiteral("y (mm)"),     QStringLiteral("Diameter (mm)"),
                              QStringLiteral("Cover (mm)"), QStringLiteral("Clear cover (mm)")};
    html.beginTable({}, {5, 8, 8, 10, 9, 10, 5, 8, 8, 10, 9, 10});
    html.raw(
        QStringLiteral("<tr><th colspan=\"6\" bgcolor=\"#e8e8e8\" align=\"left\">"
                       "Positive-moment steel</th><th colspan=\"6\" bgcolor=\"#e8e8e8\" "
                       "align=\"left\">Negative-moment steel</th></tr>"));
    html.row(columns + columns);
    const auto cells = [&m](bool positive, int row) -> QStringList {
        if (row >= RowsInUse(positive ? m.PosSteelCount : m.NegSteelCount)) {
            return {QString(), QString(), QString(), QString(), QString(), QString()};
        }
        const auto& bar = positive ? m.PosSteel[row] : m.NegSteel[row];
        return {QString::number(row + 1),
                Input(bar[SteelX]),
                Input(bar[SteelY]),
                Input(bar[SteelDiameter]),
                Input(BarCover(m, positive, row)),
                Result(ClearCover(m, positive, row), "0.0")};
    };
    const int rows = std::max(RowsInUse(m.PosSteelCount), RowsInUse(m.NegSteelCount));
    for (int row = 0; row < rows; ++row) {
        html.row(cells(true, row) + cells(false, row));
    }
    html.endTable();
    html.paragraph(QStringLiteral("x from the left edge, y down from the top face; cover from "
                                  "the bar's centre, clear cover from its face, to the nearest "
                                  "fire-exposed face."),
                   QStringLiteral("font-size: 7pt"));
}

}  // namespace

void WriteInputs(Html& html, const RecordParts& parts) {
    const FloorModel& m = parts.run.input;
    html.heading(QStringLiteral("2 Inputs"));
    html.beginTable({QStringLiteral("Member and materials"), QString(),
                     QStringLiteral("Loads and fire"), QString()},
                    {22, 31, 16, 31});
    const QList<QStringList> left = MemberRows(m);
    const QList<QStringList> right = LoadRows(m);
    const QStringList none{QString(), QString()};
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        html.row((i < left.size() ? left[i] : none) + (i < right.size() ? right[i] : none));
    }
    html.endTable();
    BarTable(html, m);
}

void WriteSection(Html& html, const RecordParts& parts) {
    const FloorModel& m = parts.run.input;
    html.heading(QStringLiteral("3 Section"));
    html.paragraph(parts.figures.add(SectionFigureSize(m),
                                     [m](QPainter& painter, const QRectF& area) {
                                         PaintSectionFigure(painter, area, m);
                                     }),
                   QStringLiteral("text-align: center"));
}

}  // namespace fd9
