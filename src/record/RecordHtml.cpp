#include "record/RecordHtml.h"

#include <cmath>

#include "model/NumberText.h"
#include "model/ResultFormat.h"

namespace fd9 {

void Html::heading(const QString& title, bool newPage) {
    text_ += QStringLiteral("<h2 style=\"%1margin-top: %2px; margin-bottom: %3px\">%4</h2>")
                 .arg(newPage ? QStringLiteral("page-break-before: always; ") : QString())
                 .arg(px(newPage ? 0 : 4))
                 .arg(px(1.5))
                 .arg(title);
}

void Html::subheading(const QString& title) {
    text_ += QStringLiteral("<h3 style=\"margin-top: %1px; margin-bottom: %2px\">%3</h3>")
                 .arg(px(2.5))
                 .arg(px(1))
                 .arg(title);
}

void Html::paragraph(const QString& html, const QString& style) {
    text_ += QStringLiteral("<p style=\"margin-top: %1px; margin-bottom: %1px; %2\">%3</p>")
                 .arg(px(0.8))
                 .arg(style, html);
}

void Html::beginTable(const QStringList& headers, const QList<int>& widths) {
    widths_ = widths;
    text_ += QStringLiteral(
                 "<table border=\"%1\" cellspacing=\"0\" cellpadding=\"%2\" width=\"100%\" "
                 "style=\"border-style: solid; border-color: #808080; border-collapse: collapse; "
                 "margin-top: %3px; margin-bottom: %3px\">")
                 .arg(px(0.3), px(0.7), px(1));
    if (!headers.isEmpty()) {
        text_ += QStringLiteral("<thead>");
        cells(headers, QStringLiteral("th bgcolor=\"#e8e8e8\" align=\"left\""));
        text_ += QStringLiteral("</thead>");
    }
}

void Html::row(const QStringList& cells) {
    this->cells(cells, QStringLiteral("td"));
}

// The first row of a table carries the column widths.
void Html::cells(const QStringList& cells, const QString& tag) {
    text_ += QStringLiteral("<tr>");
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QString width =
            i < widths_.size() ? QStringLiteral(" width=\"%1%\"").arg(widths_[i]) : QString();
        text_ += QStringLiteral("<%1%2>%3</%4>")
                     .arg(tag, width, cells[i], tag.section(QLatin1Char(' '), 0, 0));
    }
    text_ += QStringLiteral("</tr>");
    widths_.clear();
}

void Html::endTable() {
    text_ += QStringLiteral("</table>");
}

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString Result(double value, const char* pattern) {
    return std::isfinite(value) ? QString::fromStdString(FormatResult(value, pattern))
                                : QStringLiteral("–");
}

QString Input(float value) {
    return QString::fromStdString(FileNumberText(value));
}

QString Input(long long value) {
    return QString::fromStdString(FileNumberText(value));
}

QString VerdictWord(bool achieved) {
    return achieved ? QStringLiteral("<b><font color=\"#007000\">ACHIEVED</font></b>")
                    : QStringLiteral("<b><font color=\"#d00000\">NOT ACHIEVED</font></b>");
}

// As the results file names them.
QString ConcreteName(ConcreteType type) {
    switch (type) {
        case ConcreteType::NormalWeight:
            return QStringLiteral("normal-weight");
        case ConcreteType::LightWeight:
            return QStringLiteral("light-weight");
        case ConcreteType::AlluvialQuartz:
            return QStringLiteral("alluvial quartz (NZS 3101 Type A)");
        case ConcreteType::Dacite:
            return QStringLiteral("dacite (NZS 3101 Type B)");
        case ConcreteType::Pumice:
            return QStringLiteral("pumice (NZS 3101 Type C)");
    }
    return {};
}

QString SteelName(SteelType type) {
    return type == SteelType::PrestressingStrand ? QStringLiteral("prestressing strand")
                                                 : QStringLiteral("reinforcing bar");
}

QString FloorName(FloorType type) {
    switch (type) {
        case FloorType::Beam:
            return QStringLiteral("beam");
        case FloorType::Slab:
            return QStringLiteral("slab");
        case FloorType::DoubleTee:
            return QStringLiteral("double-tee");
        case FloorType::TeeBeam:
            return QStringLiteral("tee-beam");
    }
    return {};
}

const char* ExposureName(ExposureClass exposure) {
    switch (exposure) {
        case ExposureClass::A1:
            return "A1";
        case ExposureClass::A2:
            return "A2";
        case ExposureClass::B1:
            return "B1";
        case ExposureClass::B2:
            return "B2";
        case ExposureClass::C:
            break;
    }
    return "C";
}

QString DesignFireText(const FloorModel& m, bool brief) {
    if (m.Selected.DesignFire == DesignFire::Standard) {
        return QStringLiteral("ISO 834 standard fire, fire resistance rating required %1 min")
            .arg(m.FRRequired);
    }
    return QStringLiteral(
               "non-standard fire: fire load %1 kg/m²%2, opening factor %3 m<sup>½</sup>")
        .arg(Input(static_cast<long long>(m.FireLoad)),
             brief ? QString() : QStringLiteral(" (wood, per floor area)"), Input(m.OpeningFactor));
}

}  // namespace fd9
