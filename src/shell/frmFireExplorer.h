#pragma once

#include <QWidget>

#include "calc/FireExplorer.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace fd9 {

class frmMenu;

inline constexpr int FireExplorerHelpContext = 460;

// The fire resistance explorer: the member of the main window under every standard rating and
// compartment fire, as a chart of capacity against duration and two tables. Modeless; it reads
// the model but never writes it, nor the main window's results.
class frmFireExplorer : public QWidget {
    Q_OBJECT

public:
    explicit frmFireExplorer(frmMenu& menu);

    // Reruns the explorer on the model as it stands now.
    void Refresh();
    const ExplorerResult& result() const { return result_; }

    // Ask for a file and write to it; a failed write says so in a box.
    void ExportChart();
    void ExportTables();
    // False, after saying so in a box, when the file could not be written. The chart's format
    // follows the extension: ".svg" gives SVG, anything else PNG.
    bool writeChart(const QString& path) const;
    bool writeTables(const QString& path) const;

    QChartView* chartView = nullptr;
    QLabel* lblRatings = nullptr;
    QTableWidget* tblStandard = nullptr;
    QTableWidget* tblNonStandard = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdExportChart = nullptr;
    QPushButton* cmdExportTables = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct ExportFile {
        QString title, filter, defaultExtension, fileName;
    };
    using Writer = bool (frmFireExplorer::*)(const QString&) const;
    void exportTo(const ExportFile& file, Writer write);
    void placeBesideMainWindow();
    void fillChart();
    void fillTables();
    void fillRatings();

    frmMenu& menu_;
    ExplorerResult result_;
};

}  // namespace fd9
