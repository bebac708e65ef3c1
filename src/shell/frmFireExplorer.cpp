#include "shell/frmFireExplorer.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "platform/Platform.h"
#include "shell/frmMenu.h"

namespace fd9 {

namespace {

const QColor AchievedColour(0, 128, 0);
const QColor NotAchievedColour(Qt::red);
const QColor StoppedColour(176, 96, 0);

QString Moment(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString Percent(float available, float required) {
    const std::optional<double> percent = MarginPercent(available, required);
    return percent ? QString::number(*percent, 'f', 1) : QString();
}

QTableWidgetItem* Cell(const QString& text, bool number = true) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

QColor VerdictColour(const ExplorerPoint& point) {
    if (!point.completed) {
        return StoppedColour;
    }
    return point.stable() ? AchievedColour : NotAchievedColour;
}

// The columns after the fire's own: capacities, margins, insulation, verdict.
QStringList ValueHeaders(bool continuous, bool insulation) {
    QStringList headers{QStringLiteral("Capacity (kNm)"), QStringLiteral("Applied moment (kNm)"),
                        QStringLiteral("Margin (kNm)"), QStringLiteral("Margin (%)")};
    if (continuous) {
        headers << QStringLiteral("Negative capacity (kNm)")
                << QStringLiteral("Required, end bay (kNm)")
                << QStringLiteral("Required, intermediate bay (kNm)")
                << QStringLiteral("End bay margin (kNm)") << QStringLiteral("End bay margin (%)")
                << QStringLiteral("Intermediate bay margin (kNm)")
                << QStringLiteral("Intermediate bay margin (%)") << QStringLiteral("Failure mode");
    }
    if (insulation) {
        headers << QStringLiteral("Insulation rating (min)");
    }
    headers << QStringLiteral("Verdict");
    return headers;
}

void FillValues(QTableWidget* table, int row, int column, const ExplorerPoint& p, bool continuous,
                bool insulation) {
    QStringList values;
    if (p.completed) {
        values << Moment(p.posCapacity, 1) << Moment(p.appliedMoment, 1)
               << Moment(MarginKnm(p.posCapacity, p.appliedMoment), 1)
               << Percent(p.posCapacity, p.appliedMoment);
        if (continuous) {
            values << Moment(p.negCapacity, 3) << Moment(p.reqNegEndBay, 3)
                   << Moment(p.reqNegIntBay, 3)
                   << Moment(MarginKnm(p.negCapacity, p.reqNegEndBay), 3)
                   << Percent(p.negCapacity, p.reqNegEndBay)
                   << Moment(MarginKnm(p.negCapacity, p.reqNegIntBay), 3)
                   << Percent(p.negCapacity, p.reqNegIntBay)
                   << QString::fromLatin1(p.compressiveFailure ? "COMPRESSIVE"
                                                               : "FLEXURAL TENSION");
        }
    } else {
        for (int i = 0; i < (continuous ? 12 : 4); ++i) {
            values << QString();
        }
    }
    for (const QString& value : values) {
        table->setItem(row, column++, Cell(value));
    }
    if (insulation) {
        QTableWidgetItem* cell =
            Cell(p.insulationRating ? QString::number(*p.insulationRating) : QString());
        if (p.insulation) {
            cell->setForeground(*p.insulation ? AchievedColour : NotAchievedColour);
        }
        table->setItem(row, column++, cell);
    }
    const QString verdict = QString::fromStdString(VerdictText(p));
    QTableWidgetItem* cell = Cell(verdict, false);
    cell->setForeground(VerdictColour(p));
    cell->setToolTip(verdict);
    table->setItem(row, column, cell);
}

void SetUpTable(QTableWidget* table, const QStringList& headers, int rows) {
    table->clear();
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setRowCount(rows);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
}

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
void AttachAxes(QChart* chart, const std::vector<QLineSeries*>& series, double low, double high) {
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Standard fire duration (min)"));
    x->setRange(0, 240);
    x->setTickCount(9);
    x->setLabelFormat(QStringLiteral("%d"));
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Moment (kNm)"));
    y->setRange(low, high);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* s : series) {
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

}  // namespace

frmFireExplorer::frmFireExplorer(frmMenu& menu) : QWidget(&menu, Qt::Window), menu_(menu) {
    setObjectName(QStringLiteral("frmFireExplorer"));
    setWindowTitle(QStringLiteral("Fire Resistance Explorer"));
    resize(1000, 760);

    auto* layout = new QVBoxLayout(this);
    lblRatings = new QLabel;
    lblRatings->setObjectName(QStringLiteral("lblRatings"));
    lblRatings->setWordWrap(true);
    layout->addWidget(lblRatings);

    auto* splitter = new QSplitter(Qt::Vertical);
    chartView = new QChartView(new QChart);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(280);
    splitter->addWidget(chartView);

    auto* tables = new QWidget;
    auto* tablesLayout = new QVBoxLayout(tables);
    tablesLayout->setContentsMargins(0, 0, 0, 0);
    tablesLayout->addWidget(new QLabel(QStringLiteral("Standard fire")));
    tblStandard = new QTableWidget;
    tblStandard->setObjectName(QStringLiteral("tblStandard"));
    tablesLayout->addWidget(tblStandard);
    tablesLayout->addWidget(new QLabel(QStringLiteral("Non-standard fires")));
    tblNonStandard = new QTableWidget;
    tblNonStandard->setObjectName(QStringLiteral("tblNonStandard"));
    tablesLayout->addWidget(tblNonStandard, 1);
    splitter->addWidget(tables);
    layout->addWidget(splitter, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromUtf8(text));
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    cmdRefresh = button("&Refresh", "cmdRefresh");
    cmdExportChart = button("Export &Chart\u2026", "cmdExportChart");
    cmdExportTables = button("Export &Tables\u2026", "cmdExportTables");
    buttons->addStretch();
    cmdHelp = button("&Help", "cmdHelp");
    cmdClose = button("Close", "cmdClose");
    layout->addLayout(buttons);

    connect(cmdRefresh, &QPushButton::clicked, this, &frmFireExplorer::Refresh);
    connect(cmdExportChart, &QPushButton::clicked, this, &frmFireExplorer::ExportChart);
    connect(cmdExportTables, &QPushButton::clicked, this, &frmFireExplorer::ExportTables);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { menu_.ShowHelpContext(FireExplorerHelpContext); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmFireExplorer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        menu_.ShowHelpContext(FireExplorerHelpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmFireExplorer::Refresh() {
    BusyPointer busy(menu_.platform());
    result_ =
        ExploreFireResistance(menu_.model(), menu_.platform().programDirectory().toStdString());
    fillRatings();
    fillTables();
    fillChart();
}

void frmFireExplorer::fillRatings() {
    if (result_.nothingToCalculate) {
        lblRatings->setText(
            QStringLiteral("Nothing to explore: the member has no positive-moment steel."));
        return;
    }
    QString text;
    if (result_.continuous) {
        text = QStringLiteral(
                   "Stability reached under the standard fire: end spans %1, "
                   "intermediate spans %2.")
                   .arg(QString::fromStdString(RatingText(result_.endSpanRating)),
                        QString::fromStdString(RatingText(result_.intermediateSpanRating)));
    } else {
        text = QStringLiteral("Stability reached under the standard fire: %1.")
                   .arg(QString::fromStdString(RatingText(result_.stabilityRating)));
    }
    text += QStringLiteral(" Insulation reached: %1.")
                .arg(QString::fromStdString(
                    RatingText(result_.insulationRating, result_.floorType != FloorType::Beam)));
    lblRatings->setText(text);
}

void frmFireExplorer::fillTables() {
    const bool continuous = result_.continuous;
    const bool insulation = result_.floorType != FloorType::Beam;

    SetUpTable(tblStandard,
               QStringList{QStringLiteral("FRR (min)")} + ValueHeaders(continuous, insulation),
               static_cast<int>(result_.standard.size()));
    for (int row = 0; row < static_cast<int>(result_.standard.size()); ++row) {
        const ExplorerPoint& p = result_.standard[row];
        tblStandard->setItem(row, 0, Cell(QString::number(p.fire.rating)));
        FillValues(tblStandard, row, 1, p, continuous, insulation);
    }

    SetUpTable(tblNonStandard,
               QStringList{QStringLiteral("Fire load (kg/m2)"), QStringLiteral("Opening factor")} +
                   ValueHeaders(continuous, false),
               static_cast<int>(result_.nonStandard.size()));
    for (int row = 0; row < static_cast<int>(result_.nonStandard.size()); ++row) {
        const ExplorerPoint& p = result_.nonStandard[row];
        tblNonStandard->setItem(row, 0, Cell(QString::number(p.fire.fireLoad)));
        tblNonStandard->setItem(
            row, 1, Cell(QString::number(static_cast<double>(p.fire.openingFactor), 'f', 2)));
        FillValues(tblNonStandard, row, 2, p, continuous, false);
    }
    for (QTableWidget* table : {tblStandard, tblNonStandard}) {
        table->resizeColumnsToContents();
    }
}

void frmFireExplorer::fillChart() {
    QChart* chart = chartView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setTitle(QStringLiteral("Moment capacity against standard fire duration"));

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

    AttachAxes(chart, series, low, high);
}

QImage frmFireExplorer::renderChart() const {
    QImage image(chartView->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chartView->render(&painter);
    return image;
}

bool frmFireExplorer::writeChart(const QString& path) const {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        // The generator writes as it paints; a file it cannot open gives no error, so check.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(chartView->size());
        svg.setViewBox(QRect(QPoint(0, 0), chartView->size()));
        svg.setTitle(windowTitle());
        {
            QPainter painter(&svg);
            chartView->render(&painter);
        }
        return file.commit();
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && renderChart().save(&file, "PNG") && file.commit();
}

bool frmFireExplorer::writeTables(const QString& path) const {
    const std::string text = ExplorerCsvHeader(false) + ExplorerCsvRows(result_);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Text) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size()) &&
           file.commit();
}

void frmFireExplorer::ExportChart() {
    exportTo({QStringLiteral("Export Chart"),
              QStringLiteral("PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg"),
              QStringLiteral("png"), QStringLiteral("explorer.png")},
             &frmFireExplorer::writeChart, QStringLiteral("chart"));
}

void frmFireExplorer::ExportTables() {
    exportTo(
        {QStringLiteral("Export Tables"), QStringLiteral("CSV (*.csv)|*.csv|All Files (*.*)|*.*"),
         QStringLiteral("csv"), QStringLiteral("explorer.csv")},
        &frmFireExplorer::writeTables, QStringLiteral("tables"));
}

void frmFireExplorer::exportTo(const ExportFile& file, Writer write, const QString& what) {
    FileDialogRequest request;
    request.title = file.title;
    request.filter = file.filter;
    request.defaultExtension = file.defaultExtension;
    request.fileName = file.fileName;
    const std::optional<QString> path = menu_.platform().saveFileName(request);
    if (path && !(this->*write)(*path)) {
        menu_.platform().messageBox(
            QStringLiteral("The %1 could not be written to %2.").arg(what, *path),
            QString::fromLatin1(AppTitle), MsgIcon::Exclamation, MsgButtons::OK);
    }
}

}  // namespace fd9
