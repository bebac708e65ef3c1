#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "record/CalculationRecord.h"
#include "record/DataNotes.h"
#include "record/RecordFigures.h"
#include "record/RecordRun.h"

namespace fd9 {

// What the sections of the record are written from.
struct RecordParts {
    const RecordInput& input;
    const RecordRun& run;
    const QuotedTexts& quoted;
    RecordFigures& figures;
    double pixelsPerMm;  // of the HTML's lengths; see LayoutPixelsPerMm
};

// The record's HTML, built section by section; lengths are given in mm. The layout takes
// table borders and padding exactly, but rounds CSS lengths (margins) to its whole pixels, and
// draws no border thinner than one of them.
class Html {
public:
    explicit Html(double pixelsPerMm) : pixelsPerMm_(pixelsPerMm) {}

    void heading(const QString& title, bool newPage = false);
    void subheading(const QString& title);
    void paragraph(const QString& html, const QString& style = {});
    // A table with a header row when headers are given; widths in percent, may be empty.
    void beginTable(const QStringList& headers, const QList<int>& widths = {});
    void row(const QStringList& cells);
    void endTable();
    void raw(const QString& html) { text_ += html; }

    // A length as the HTML gives it, in the layout's pixels.
    QString px(double mm) const { return QString::number(mm * pixelsPerMm_, 'f', 4); }
    const QString& text() const { return text_; }

private:
    void cells(const QStringList& cells, const QString& tag);

    double pixelsPerMm_;
    QString text_;
    QList<int> widths_;
};

// Text for the record: escaped for HTML, numbers always with a decimal point.
QString Escaped(const std::string& text);
// A result in one of the result patterns; a value that is not finite shows as a dash.
QString Result(double value, const char* pattern);
// An input as the model file and the results file write it.
QString Input(float value);
QString Input(long long value);
// ACHIEVED in green, NOT ACHIEVED in red.
QString VerdictWord(bool achieved);
QString ConcreteName(ConcreteType type);
QString SteelName(SteelType type);
QString FloorName(FloorType type);
QString DesignFireText(const FloorModel& model, bool brief);
const char* ExposureName(ExposureClass exposure);

// The sections, in the record's order.
void WriteSummary(Html& html, const RecordParts& parts);
void WriteInputs(Html& html, const RecordParts& parts);
void WriteSection(Html& html, const RecordParts& parts);
void WriteTemperatures(Html& html, const RecordParts& parts);
void WriteCalculation(Html& html, const RecordParts& parts);
void WriteExplorer(Html& html, const RecordParts& parts);
void WriteMethod(Html& html, const RecordParts& parts);

}  // namespace fd9
