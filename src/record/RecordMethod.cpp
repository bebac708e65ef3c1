// The last part of the record: how the numbers were reached and what they rest on. Every
// figure here is read from the program's own rules, the data files or the data notes.
#include <QFileInfo>

#include "Version.h"
#include "calc/PreCalculationChecks.h"
#include "calc/StrengthAndCapacity.h"
#include "record/RecordHtml.h"

namespace fd9 {

namespace {

constexpr float ProbeLimit = 400;  // mm: beyond any band or cover the rules hold

// The strength kept at temperature, as the calculation reduces it.
void StrengthTable(Html& html, const FloorModel& m) {
    QStringList headers{QStringLiteral("Temperature (°C)")};
    QList<QStringList> columns;
    headers << QStringLiteral("Positive steel: %1").arg(SteelName(m.Selected.PosSteelType))
            << QStringLiteral("Negative steel: %1").arg(SteelName(m.Selected.NegSteelType))
            << QStringLiteral("Concrete: %1").arg(ConcreteName(m.Selected.ConcreteType));
    html.beginTable(headers, {22, 26, 26, 26});
    for (int t = 100; t <= 900; t += 100) {
        html.row({QString::number(t),
                  Result(ReducedSteelStrength(1.0, t, m.Selected.PosSteelType), "0.000"),
                  Result(ReducedSteelStrength(1.0, t, m.Selected.NegSteelType), "0.000"),
                  Result(ReducedConcreteStrength(1.0, t, m.Selected.ConcreteType), "0.000")});
    }
    html.endTable();
}

QString CoverRule(const RecordRun& run) {
    const FloorModel& m = run.input;
    float smallest = ProbeLimit;
    for (const bool positive : {true, false}) {
        for (int row = 0; row < RowsInUse(positive ? m.PosSteelCount : m.NegSteelCount); ++row) {
            smallest = std::min(smallest, ClearCover(m, positive, row));
        }
    }
    const std::string atLimit = CoverRuleMessage(m, ProbeLimit);
    QString rule;
    if (atLimit != " ") {
        rule = Escaped(atLimit) + QLatin1Char('.');
    } else {
        int required = 0;
        while (CoverRuleMessage(m, static_cast<float>(required)) != " ") {
            ++required;
        }
        rule = QStringLiteral("clear cover of at least %1 mm.").arg(required);
    }
    return QStringLiteral(
               "NZS 3101 Table 5.5 for exposure class %1 and f'c %2 MPa: %3 Smallest clear "
               "cover of this member's bars: %4 mm.")
        .arg(QString::fromLatin1(ExposureName(m.Selected.Exposure)), Input(m.ConcreteStrength),
             rule, Result(smallest, "0.0"));
}

QString InsulationBands(ConcreteType type) {
    QStringList bands;
    std::int16_t last = 0;
    for (int h = 0; h <= static_cast<int>(ProbeLimit); ++h) {
        const std::int16_t rating = InsulationRatingFor(h, type);
        if (rating != last) {
            bands << QStringLiteral("%1 minutes from %2 mm").arg(rating).arg(h);
            last = rating;
        }
    }
    return QStringLiteral("Insulation bands of %1 concrete, slab or flange thickness: %2.")
        .arg(ConcreteName(type), bands.join(QStringLiteral(", ")));
}

QString ReadBy(const RecordDataFile& file) {
    if (file.readByCalculation) {
        return file.readByExplorer ? QStringLiteral("CALCULATE, explorer")
                                   : QStringLiteral("CALCULATE");
    }
    return file.readByExplorer ? QStringLiteral("explorer") : QStringLiteral("not read");
}

void DataFiles(Html& html, const RecordRun& run) {
    html.beginTable({QStringLiteral("File"), QStringLiteral("Size (bytes)"),
                     QStringLiteral("SHA-256"), QStringLiteral("Read for this member by")},
                    {13, 10, 57, 20});
    for (const RecordDataFile& file : run.dataFiles) {
        html.row({QString::fromStdString(file.name),
                  file.info ? QString::number(file.info->size) : QStringLiteral("missing"),
                  file.info ? QStringLiteral("<span style=\"font-family: 'DejaVu Sans Mono'; "
                                             "font-size: 6.5pt\">%1</span>")
                                  .arg(QString::fromStdString(file.info->sha256))
                            : QString(),
                  ReadBy(file)});
    }
    html.endTable();
    html.paragraph(
        QStringLiteral("Data set identifier: <b>%1</b> (the first 12 hex digits of the SHA-256 "
                       "over the seven files' names and contents, in the order above).")
            .arg(run.dataSet.empty() ? QStringLiteral("none: a file is missing")
                                     : QString::fromStdString(run.dataSet)));
}

QString Quoted(const QString& file, const QString& html) {
    if (file.isEmpty() || html.isEmpty()) {
        return QStringLiteral("<p><i>Not found beside the program.</i></p>");
    }
    return QStringLiteral("<p><i>Quoted from %1:</i></p>%2")
        .arg(QFileInfo(file).fileName().toHtmlEscaped(), html);
}

}  // namespace

void WriteMethod(Html& html, const RecordParts& parts) {
    const RecordRun& run = parts.run;
    const QuotedTexts& quoted = parts.quoted;
    html.heading(QStringLiteral("7 Method, assumptions and provenance"), true);
    html.subheading(QStringLiteral("Design method"));
    html.raw(QStringLiteral("<div style=\"font-size: 7.5pt\">%1</div>")
                 .arg(Quoted(quoted.helpFile, quoted.methodInBrief)));
    html.subheading(QStringLiteral("Rules as the calculation applies them"));
    html.paragraph(
        QStringLiteral("Strength kept at temperature, as a fraction of the strength "
                       "at normal temperature:"));
    StrengthTable(html, run.input);
    html.paragraph(QStringLiteral("Cover rule: %1").arg(CoverRule(run)));
    html.paragraph(InsulationBands(run.input.Selected.ConcreteType));
    html.subheading(QStringLiteral("Temperature data"));
    DataFiles(html, run);
    html.subheading(QStringLiteral("How the data were made"));
    html.raw(QStringLiteral("<div style=\"font-size: 7pt\">%1</div>")
                 .arg(Quoted(quoted.notesFile, quoted.dataMethod)));
    html.subheading(QStringLiteral("Validation of the data"));
    html.raw(QStringLiteral("<div style=\"font-size: 7pt\">%1</div>")
                 .arg(Quoted(quoted.notesFile, quoted.validation)));
    html.subheading(QStringLiteral("Program"));
    html.paragraph(QStringLiteral("FD9 version %1. Record of %2, written on %3.")
                       .arg(QString::fromLatin1(ProgramVersion),
                            parts.input.modelName.empty() ? QStringLiteral("a model not saved")
                                                          : Escaped(parts.input.modelName),
                            Escaped(parts.input.date)));
}

}  // namespace fd9
