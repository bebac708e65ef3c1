#include "shell/frmFireExplorer.h"

#include <QChart>
#include <QChartView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/Verdicts.h"
#include "platform/Platform.h"
#include "record/ExplorerChart.h"
#include "shell/SaveFile.h"
#include "shell/ShippedFiles.h"
#include "shell/frmMenu.h"

namespace fd9 {

namespace {

const QColor AchievedColour(0, 128, 0);
const QColor NotAchievedColour(Qt::red);
const QColor StoppedColour(176, 96, 0);

const QSize PreferredSize(1000, 760);
// How far right of the main window's edge a cascaded explorer opens.
constexpr int CascadeOffset = 40;

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
                   << QString::fromLatin1(FailureModeText(p.compressiveFailure));
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

}  // namespace

frmFireExplorer::frmFireExplorer(frmMenu& menu) : QWidget(&menu, Qt::Window), menu_(menu) {
    setObjectName(QStringLiteral("frmFireExplorer"));
    setWindowTitle(QStringLiteral("Fire Resistance Explorer"));

    auto* layout = new QVBoxLayout(this);
    lblRatings = new QLabel;
    lblRatings->setObjectName(QStringLiteral("lblRatings"));
    lblRatings->setWordWrap(true);
    layout->addWidget(lblRatings);

    auto* splitter = new QSplitter(Qt::Vertical);
    chartView = new QChartView(new QChart);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRenderHint(QPainter::Antialiasing);
    // Small enough for the window to fit a laptop screen enlarged by half (853 x 533).
    chartView->setMinimumHeight(160);
    splitter->addWidget(chartView);

    // One table at a time, so that the chart keeps room for its axes on a small screen.
    auto* tables = new QTabWidget;
    tables->setObjectName(QStringLiteral("tabTables"));
    tblStandard = new QTableWidget;
    tblStandard->setObjectName(QStringLiteral("tblStandard"));
    tables->addTab(tblStandard, QStringLiteral("Standard fire"));
    tblNonStandard = new QTableWidget;
    tblNonStandard->setObjectName(QStringLiteral("tblNonStandard"));
    tables->addTab(tblNonStandard, QStringLiteral("Non-standard fires"));
    splitter->addWidget(tables);
    // The chart takes the larger share, or a small screen leaves its axes no room.
    splitter->setSizes({700, 300});
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
    placeBesideMainWindow();
}

// Beside the main window where the screen has room for it, or else cascaded just below the
// main window's menu bar; never larger than the screen, so that its buttons and close box stay
// within reach at any scale. Worked out on the outer frame, whose borders the window manager
// draws as it drew the main window's.
void frmFireExplorer::placeBesideMainWindow() {
    const QScreen* screen = menu_.screen() ? menu_.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        resize(PreferredSize);
        return;
    }
    const QRect free = screen->availableGeometry();
    const QRect main = menu_.frameGeometry();
    const QRect inside = menu_.geometry();
    const QMargins frame(inside.left() - main.left(), inside.top() - main.top(),
                         main.right() - inside.right(), main.bottom() - inside.bottom());
    const QSize borders(frame.left() + frame.right(), frame.top() + frame.bottom());
    QRect outer(QPoint(), (PreferredSize + borders).boundedTo(free.size()));
    if (main.right() + outer.width() <= free.right()) {
        outer.moveTopLeft(QPoint(main.right() + 1, main.top()));
    } else if (main.left() - outer.width() >= free.left()) {
        outer.moveTopRight(QPoint(main.left() - 1, main.top()));
    } else {
        const QMenuBar* menus = menu_.menuBar();
        const int top = menus->mapToGlobal(QPoint(0, menus->height())).y();
        outer.setHeight(std::min(outer.height(), free.bottom() - top + 1));
        outer.moveTopLeft(QPoint(main.left() + CascadeOffset, top));
    }
    outer.setSize(outer.size().expandedTo(minimumSizeHint() + borders));
    // Onto the screen; a screen smaller than the smallest explorer keeps its top left corner.
    outer.moveLeft(std::max(free.left(), std::min(outer.left(), free.right() - outer.width() + 1)));
    outer.moveTop(std::max(free.top(), std::min(outer.top(), free.bottom() - outer.height() + 1)));
    setGeometry(outer.marginsRemoved(frame));
}

void frmFireExplorer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        menu_.ShowHelpContext(FireExplorerHelpContext);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmFireExplorer::Refresh() {
    BusyPointer busy(menu_.platform());
    const DataLocation data = ShippedTempData(menu_.platform());
    result_ = ExploreFireResistance(menu_.model(), data.folder, data.notFoundIn);
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
    ExplorerChart(result_).fill(*chartView->chart());
}

bool frmFireExplorer::writeChart(const QString& path) const {
    const QString what = QStringLiteral("chart");
    const QByteArray bytes = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
                                 ? ChartSvg(*chartView, windowTitle())
                                 : ChartPng(*chartView);
    if (bytes.isEmpty()) {
        TellNotSaved(menu_.platform(), path, what, QString(), SaveWording::Written);
        return false;
    }
    return SaveFile(menu_.platform(), path, bytes, what, SaveWording::Written);
}

bool frmFireExplorer::writeTables(const QString& path) const {
    return SaveFile(menu_.platform(), path, ExplorerCsvHeader(false) + ExplorerCsvRows(result_),
                    QStringLiteral("tables"), SaveWording::Written);
}

void frmFireExplorer::ExportChart() {
    exportTo({QStringLiteral("Export Chart"),
              QStringLiteral("PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg"),
              QStringLiteral("png"), QStringLiteral("explorer.png")},
             &frmFireExplorer::writeChart);
}

void frmFireExplorer::ExportTables() {
    exportTo(
        {QStringLiteral("Export Tables"), QStringLiteral("CSV (*.csv)|*.csv|All Files (*.*)|*.*"),
         QStringLiteral("csv"), QStringLiteral("explorer.csv")},
        &frmFireExplorer::writeTables);
}

void frmFireExplorer::exportTo(const ExportFile& file, Writer write) {
    FileDialogRequest request;
    request.title = file.title;
    request.filter = file.filter;
    request.defaultExtension = file.defaultExtension;
    request.fileName = file.fileName;
    const std::optional<QString> path = menu_.platform().saveFileName(request);
    if (path) {
        (this->*write)(*path);
    }
}

}  // namespace fd9
