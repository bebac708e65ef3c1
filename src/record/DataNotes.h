#pragma once

#include <QString>
#include <QStringList>

namespace fd9 {

// The texts the record quotes rather than restates: the data notes shipped beside the program
// as fd9-data-notes.md (its parts marked record:begin NAME ... record:end) and the method
// topic of the help file.
struct QuotedTexts {
    QString notesFile;      // the file quoted; empty when none was found
    QString dataMethod;     // HTML of how the data were made and their assumptions
    QString validation;     // HTML of their validation
    QString helpFile;       // empty when none was found
    QString methodInBrief;  // HTML of the help's method topic
};

// Looks in each folder in turn; pixelsPerMm as for the record's own tables.
QuotedTexts ReadQuotedTexts(const QStringList& folders, double pixelsPerMm);

// The little Markdown the notes use: headings, paragraphs, "- " lists with indented
// continuation lines, pipe tables, `code` and **bold**.
QString MarkdownToHtml(const QString& markdown, double pixelsPerMm);

}  // namespace fd9
