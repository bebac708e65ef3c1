#include "record/CalculationRecord.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHashSeed>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "Version.h"
#include "record/RecordHtml.h"
#include "record/WriteWholeFile.h"

namespace fd9 {

namespace {

// The sheet, in mm: margins, the header's title block and the footer.
constexpr double SideMargin = 15;
constexpr double TopMargin = 10;
constexpr double BottomMargin = 10;
constexpr double HeaderHeight = 17;
constexpr double HeaderGap = 4;
constexpr double FooterHeight = 5;
constexpr double FooterGap = 3;

const char* const StyleSheet =
    "h2 { font-size: 11pt; font-weight: bold; }"
    "h3 { font-size: 9pt; font-weight: bold; }"
    "th { font-weight: bold; }";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

class Sheets {
public:
    Sheets(QPainter& painter, const RecordInput& input, const RecordRun& run, QSizeF pageMm,
           double unitsPerMm)
        : p_(painter), input_(input), run_(run), page_(pageMm), mm_(unitsPerMm) {}

    QSizeF body() const {
        return QSizeF(page_.width() - 2 * SideMargin, page_.height() - TopMargin - HeaderHeight -
                                                          HeaderGap - BottomMargin - FooterHeight -
                                                          FooterGap) *
               mm_;
    }
    QPointF bodyTopLeft() const {
        return QPointF(SideMargin, TopMargin + HeaderHeight + HeaderGap) * mm_;
    }

    void header(int sheet, int sheets) {
        const double width = page_.width() - 2 * SideMargin;
        const RecordDetails& d = input_.details;
        const double titleHeight = 6;
        cell({SideMargin, TopMargin, width * 0.78, titleHeight}, {},
             QStringLiteral("FD9 calculation record: fire design of a concrete floor member"),
             true);
        cell({SideMargin + width * 0.78, TopMargin, width * 0.22, titleHeight}, {},
             QStringLiteral("Sheet %1 of %2").arg(sheet).arg(sheets), true);
        const struct {
            const char* label;
            QString value;
            double share;
        } fields[] = {{"Project", Text(d.project), 0.30},
                      {"Job", Text(d.job), 0.15},
                      {"Member", Text(d.member), 0.27},
                      {"Revision", Text(d.revision), 0.09},
                      {"Date", Text(input_.date), 0.19}};
        double x = SideMargin;
        for (const auto& field : fields) {
            cell({x, TopMargin + titleHeight, width * field.share, HeaderHeight - titleHeight},
                 QString::fromLatin1(field.label), field.value, false);
            x += width * field.share;
        }
    }

    void footer() {
        const double y = page_.height() - BottomMargin - FooterHeight;
        const QRectF line(QPointF(SideMargin, y) * mm_,
                          QSizeF(page_.width() - 2 * SideMargin, FooterHeight) * mm_);
        p_.setPen(QPen(Qt::black, 0.15 * mm_));
        p_.drawLine(line.topLeft(), line.topRight());
        p_.setFont(RecordFont(7));
        p_.drawText(line, Qt::AlignLeft | Qt::AlignBottom,
                    QStringLiteral("FD9 %1").arg(QString::fromLatin1(ProgramVersion)));
        p_.drawText(line, Qt::AlignHCenter | Qt::AlignBottom, Text(input_.modelName));
        p_.drawText(
            line, Qt::AlignRight | Qt::AlignBottom,
            run_.dataSet.empty() ? QStringLiteral("data set incomplete") : Text(run_.dataSet));
    }

private:
    // A box of the title block: a small label above its value, or an empty box to fill in.
    void cell(const QRectF& boxMm, const QString& label, const QString& value, bool bold) {
        const QRectF box(boxMm.topLeft() * mm_, boxMm.size() * mm_);
        p_.setPen(QPen(Qt::black, 0.2 * mm_));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(box);
        const QRectF inside = box.adjusted(1.2 * mm_, 0.6 * mm_, -1.2 * mm_, -0.6 * mm_);
        if (!label.isEmpty()) {
            p_.setPen(QColor(80, 80, 80));
            p_.setFont(RecordFont(6));
            p_.drawText(inside, Qt::AlignLeft | Qt::AlignTop, label);
        }
        p_.setPen(Qt::black);
        // A long value is set smaller and over two lines before anything of it is cut off.
        const QRectF room = label.isEmpty() ? inside : inside.adjusted(0, 2.2 * mm_, 0, 0);
        const int flags = (label.isEmpty() ? Qt::AlignVCenter : Qt::AlignBottom) | Qt::AlignLeft;
        QString shown = value.simplified();
        for (const double points : {bold ? 9.0 : 8.5, 7.0, 6.0}) {
            p_.setFont(RecordFont(points, bold));
            const QFontMetricsF metrics(p_.font(), p_.device());
            if (metrics.boundingRect(room, flags | Qt::TextWordWrap, shown).height() <=
                room.height()) {
                p_.drawText(room, flags | Qt::TextWordWrap, shown);
                return;
            }
        }
        const QFontMetricsF metrics(p_.font(), p_.device());
        shown = metrics.elidedText(shown, Qt::ElideRight,
                                   room.width() * 2 - metrics.averageCharWidth());
        p_.drawText(room, flags | Qt::TextWordWrap, shown);
    }

    QPainter& p_;
    const RecordInput& input_;
    const RecordRun& run_;
    QSizeF page_;
    double mm_;
};

// The PDF writer embeds its fonts in the order of a hash, which Qt seeds at random in each
// process; with a fixed seed the same model gives the same file, apart from its date.
class FixedHashSeed {
public:
    FixedHashSeed() { QHashSeed::setDeterministicGlobalSeed(); }
    ~FixedHashSeed() { QHashSeed::resetRandomGlobalSeed(); }
    FixedHashSeed(const FixedHashSeed&) = delete;
    FixedHashSeed& operator=(const FixedHashSeed&) = delete;
};

// Moves each heading whose text would start on the next page to the top of that page, one at
// a time from the top, laying the whole document out again after each: an incremental layout
// after a change of format left later blocks undrawn.
void KeepHeadingsWithText(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout& layout = *document.documentLayout();
    const auto page = [&](const QTextBlock& block) {
        return std::floor(layout.blockBoundingRect(block).top() / pageHeight);
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || !block.next().isValid() ||
            page(block) == page(block.next())) {
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
        document.markContentsDirty(0, document.characterCount());
    }
}

QString RecordBody(const RecordParts& parts) {
    Html html(parts.pixelsPerMm);
    WriteSummary(html, parts);
    WriteInputs(html, parts);
    WriteSection(html, parts);
    WriteTemperatures(html, parts);
    WriteCalculation(html, parts);
    WriteExplorer(html, parts);
    WriteMethod(html, parts);
    return QStringLiteral("<html><body>%1</body></html>").arg(html.text());
}

// Lays the record out on the writer's sheets and paints it; false when the painter could not
// start on the device.
bool PaintRecord(QPdfWriter& writer, const RecordInput& input, const RecordRun& run) {
    const QSizeF pageMm = writer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const double unitsPerMm = writer.resolution() / 25.4;
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    Sheets sheets(painter, input, run, pageMm, unitsPerMm);
    const QuotedTexts quoted = ReadQuotedTexts(
        {QString::fromStdString(input.dataDir), QCoreApplication::applicationDirPath()},
        LayoutPixelsPerMm());
    RecordFigures figures(unitsPerMm);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(0);
    document.setDefaultFont(RecordFont(8));
    document.setDefaultStyleSheet(QString::fromLatin1(StyleSheet));
    document.setIndentWidth(6 * LayoutPixelsPerMm());
    document.setPageSize(sheets.body());
    figures.install(document);
    document.setHtml(RecordBody({input, run, quoted, figures, LayoutPixelsPerMm()}));
    KeepHeadingsWithText(document, sheets.body().height());

    const QSizeF body = sheets.body();
    const int count = document.pageCount();
    for (int sheet = 0; sheet < count; ++sheet) {
        if (sheet > 0) {
            writer.newPage();
        }
        sheets.header(sheet + 1, count);
        sheets.footer();
        painter.save();
        painter.translate(sheets.bodyTopLeft() - QPointF(0, sheet * body.height()));
        const QRectF page(QPointF(0, sheet * body.height()), body);
        painter.setClipRect(page);
        // The layout puts a block that starts a page a rounding error above its top; a block
        // drawn on the page before would leave its text there, clipped but still in the PDF.
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = page.adjusted(0, 1, 0, -1);
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

std::string Refusal(const QString& path, const QString& why) {
    return QStringLiteral("The calculation record could not be written to %1: %2.")
        .arg(path, why)
        .toStdString();
}

}  // namespace

std::string WriteCalculationRecord(const RecordInput& input, const QString& path,
                                   bool* calculationCompleted) {
    const RecordRun run = RunForRecord(input.model, input.dataDir);
    if (calculationCompleted) {
        *calculationCompleted = run.completed();
    }
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        const FixedHashSeed fixedSeed;
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(input.pageSize == RecordPageSize::Letter ? QPageSize::Letter
                                                                              : QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Calculation record %1").arg(Text(input.modelName)));
        writer.setCreator(QStringLiteral("FD9 %1").arg(QString::fromLatin1(ProgramVersion)));
        painted = PaintRecord(writer, input, run);
    }
    if (!painted) {
        return Refusal(path, QStringLiteral("the PDF could not be started"));
    }
    if (const std::optional<QString> why = WriteWholeFile(path, pdf)) {
        return Refusal(path, *why);
    }
    return {};
}

}  // namespace fd9
