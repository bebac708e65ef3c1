#include "record/DataNotes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace fd9 {

namespace {

const QString NotesName = QStringLiteral("fd9-data-notes.md");
const QString HelpName = QStringLiteral("FD9.html");

QString Inline(const QString& text) {
    QString html = text.toHtmlEscaped();
    static const QRegularExpression code(QStringLiteral("`([^`]*)`"));
    static const QRegularExpression bold(QStringLiteral("\\*\\*([^*]*)\\*\\*"));
    html.replace(code,
                 QStringLiteral("<span style=\"font-family: 'DejaVu Sans Mono'\">\\1</span>"));
    html.replace(bold, QStringLiteral("<b>\\1</b>"));
    return html;
}

QStringList Cells(const QString& row) {
    QStringList cells = row.trimmed().split(QLatin1Char('|'));
    if (!cells.isEmpty() && cells.front().trimmed().isEmpty()) {
        cells.removeFirst();
    }
    if (!cells.isEmpty() && cells.back().trimmed().isEmpty()) {
        cells.removeLast();
    }
    return cells;
}

class Converter {
public:
    explicit Converter(double pixelsPerMm) : pixelsPerMm_(pixelsPerMm) {}

    QString convert(const QString& markdown) {
        for (const QString& raw : markdown.split(QLatin1Char('\n'))) {
            line(raw);
        }
        close();
        return html_;
    }

private:
    enum class Open { Nothing, Paragraph, List, Table };

    void line(const QString& raw) {
        const QString text = raw.trimmed();
        if (text.isEmpty()) {
            close();
        } else if (text.startsWith(QLatin1Char('#'))) {
            close();
            html_ += QStringLiteral("<p><b>%1</b></p>")
                         .arg(Inline(text.mid(text.indexOf(QLatin1Char(' ')) + 1)));
        } else if (text.startsWith(QLatin1Char('|'))) {
            tableRow(text);
        } else if (raw.startsWith(QStringLiteral("- "))) {
            open(Open::List);
            html_ += QStringLiteral("<li>") + Inline(raw.mid(2));
        } else if (open_ == Open::Nothing || open_ == Open::Table) {
            open(Open::Paragraph);
            html_ += Inline(text);
        } else {
            html_ += QLatin1Char(' ') + Inline(text);
        }
    }

    void tableRow(const QString& text) {
        const bool first = open_ != Open::Table;
        open(Open::Table);
        if (text.contains(QStringLiteral("---"))) {
            return;
        }
        const QString cell = first ? QStringLiteral("th") : QStringLiteral("td");
        html_ += QStringLiteral("<tr>");
        for (const QString& c : Cells(text)) {
            html_ += QStringLiteral("<%1>%2</%1>").arg(cell, Inline(c.trimmed()));
        }
        html_ += QStringLiteral("</tr>");
    }

    void open(Open what) {
        if (open_ == what) {
            return;
        }
        close();
        open_ = what;
        switch (what) {
            case Open::Paragraph:
                html_ += QStringLiteral("<p>");
                break;
            case Open::List:
                html_ += QStringLiteral("<ul>");
                break;
            case Open::Table:
                html_ += QStringLiteral(
                             "<table border=\"%1\" cellspacing=\"0\" cellpadding=\"%2\" "
                             "width=\"100%\" style=\"border-style: solid; "
                             "border-color: #808080; border-collapse: collapse\">")
                             .arg(pixelsPerMm_ * 0.3)
                             .arg(pixelsPerMm_ * 0.5);
                break;
            case Open::Nothing:
                break;
        }
    }

    void close() {
        switch (open_) {
            case Open::Paragraph:
                html_ += QStringLiteral("</p>");
                break;
            case Open::List:
                html_ += QStringLiteral("</li></ul>");
                break;
            case Open::Table:
                html_ += QStringLiteral("</table>");
                break;
            case Open::Nothing:
                break;
        }
        open_ = Open::Nothing;
    }

    double pixelsPerMm_;
    QString html_;
    Open open_ = Open::Nothing;
};

// The lines between "<!-- record:begin NAME -->" and the next "<!-- record:end -->".
QString MarkedPart(const QString& notes, const QString& name) {
    const QString begin = QStringLiteral("<!-- record:begin %1 -->").arg(name);
    const qsizetype start = notes.indexOf(begin);
    if (start < 0) {
        return {};
    }
    const qsizetype from = start + begin.size();
    const qsizetype end = notes.indexOf(QStringLiteral("<!-- record:end -->"), from);
    return notes.mid(from, end < 0 ? -1 : end - from);
}

// The help topic between its anchor's heading and the next heading of its level.
QString HelpTopic(const QString& help, const QString& anchor) {
    const qsizetype heading = help.indexOf(QStringLiteral("<a name=\"%1\"></a>").arg(anchor));
    if (heading < 0) {
        return {};
    }
    const qsizetype from = help.indexOf(QStringLiteral("</h2>"), heading);
    const qsizetype end = help.indexOf(QStringLiteral("<h2>"), from);
    return from < 0 ? QString() : help.mid(from + 5, end < 0 ? -1 : end - from - 5);
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

QString MarkdownToHtml(const QString& markdown, double pixelsPerMm) {
    return Converter(pixelsPerMm).convert(markdown);
}

QuotedTexts ReadQuotedTexts(const QStringList& folders, double pixelsPerMm) {
    QuotedTexts texts;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (texts.notesFile.isEmpty() && dir.exists(NotesName)) {
            texts.notesFile = dir.filePath(NotesName);
            const QString notes = ReadText(texts.notesFile);
            texts.dataMethod =
                MarkdownToHtml(MarkedPart(notes, QStringLiteral("data-method")), pixelsPerMm);
            texts.validation =
                MarkdownToHtml(MarkedPart(notes, QStringLiteral("validation")), pixelsPerMm);
        }
        if (texts.helpFile.isEmpty() && dir.exists(HelpName)) {
            texts.helpFile = dir.filePath(HelpName);
            texts.methodInBrief = HelpTopic(ReadText(texts.helpFile), QStringLiteral("method"));
        }
    }
    return texts;
}

}  // namespace fd9
