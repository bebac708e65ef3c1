#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "../reliability/ModelFields.h"
#include "calc/ExampleMembers.h"
#include "shell/frmFireExplorer.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

const QString DataDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");

// The main window on screen, reading the test temperature tables, with a slab or a continuous
// beam in it.
struct Window {
    FloorModel model;
    FakePlatform platform;
    frmMenu menu{model, platform};
    explicit Window(bool continuousBeam = false) {
        platform.programDir = DataDir;
        if (continuousBeam) {
            menu.setFloorType(FloorType::Beam);
            model.Selected.SupportCondition = SupportCondition::Continuous;
            examples::BeamSection(model);
            examples::Loads(model, 12);
        } else {
            menu.setFloorType(FloorType::Slab);
            examples::SlabSection(model, 150);
            examples::Loads(model, 6);
        }
        menu.show();
    }

    QStringList shown() {
        QStringList texts;
        for (QLabel* label :
             {menu.lblEffectiveCover, menu.lblSteelTemp, menu.lblSteelArea, menu.lblReducedDepth,
              menu.lblReducedWidth, menu.lblConcTemp, menu.lblAvailMomCapacity, menu.lblAppliedMom,
              menu.lblReqNegMomEndBay, menu.lblReqNegMomIntBay, menu.lblAvailNegMom,
              menu.lblFailureMode, menu.lblInflectionEndBay, menu.lblInflectionIntBay,
              menu.lblMessages}) {
            texts << label->text();
        }
        return texts;
    }

    frmFireExplorer& explore() {
        menu.mnuFireExplorer->trigger();
        return menu.fireExplorer();
    }
};

QString Verdict(QTableWidget* table, int row) {
    return table->item(row, table->columnCount() - 1)->text();
}

}  // namespace

class tst_FireExplorer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void menuItemFollowsASeparatorAndLeavesTheCheckMarks() {
        Window w;
        w.menu.setDesignFire(DesignFire::NonStandard);
        const QList<QAction*> items = w.menu.mnuDesignFire->actions();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[0], w.menu.mnuStandardFire);
        QCOMPARE(items[1], w.menu.mnuNonStandardFire);
        QVERIFY(items[2]->isSeparator());
        QCOMPARE(items[3]->text(), QStringLiteral("Fire Resistance Explorer\u2026"));
        QVERIFY(!items[3]->isCheckable());

        frmFireExplorer& explorer = w.explore();
        QVERIFY(explorer.isVisible());
        QVERIFY(!explorer.isModal());
        QVERIFY(explorer.isWindow());
        QVERIFY(!w.menu.mnuStandardFire->isChecked());
        QVERIFY(w.menu.mnuNonStandardFire->isChecked());
        QCOMPARE(w.model.Selected.DesignFire, DesignFire::NonStandard);
    }

    // The explorer reads the model and writes nothing the main window shows: the next
    // CALCULATE shows exactly what it showed before.
    void calculateAfterExploringIsUnchanged() {
        Window w;
        w.menu.Calculate();
        const QStringList before = w.shown();
        const QStringList boxes = w.platform.boxTexts();
        const std::string dataFile = w.menu.TempDataFile;
        const std::string model = reliability::Describe(w.model);
        w.platform.clear();

        frmFireExplorer& explorer = w.explore();
        QVERIFY(w.platform.boxes.empty());
        QCOMPARE(w.platform.busyDepth, 0);
        QVERIFY(w.platform.maxBusyDepth >= 1);
        QCOMPARE(w.shown(), before);
        QCOMPARE(w.menu.TempDataFile, dataFile);
        QCOMPARE(reliability::Describe(w.model), model);
        QCOMPARE(explorer.tblStandard->rowCount(), 6);
        QCOMPARE(explorer.tblNonStandard->rowCount(), 15);

        w.menu.Calculate();
        QCOMPARE(w.shown(), before);
        QCOMPARE(w.platform.boxTexts(), boxes);
    }

    // The 60 minute row shows what CALCULATE shows at 60 minutes, and the rating in words
    // agrees with the table.
    void standardRowMatchesCalculate() {
        Window w(true);
        w.menu.Calculate();
        frmFireExplorer& explorer = w.explore();
        QTableWidget* table = explorer.tblStandard;
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("60"));
        QCOMPARE(table->item(1, 1)->text(), w.menu.lblAvailMomCapacity->text().trimmed());
        QCOMPARE(table->item(1, 2)->text(), w.menu.lblAppliedMom->text().trimmed());
        QCOMPARE(table->item(1, 5)->text(), w.menu.lblAvailNegMom->text().trimmed());
        QCOMPARE(table->item(1, 6)->text(), w.menu.lblReqNegMomEndBay->text().trimmed());
        QCOMPARE(Verdict(table, 1),
                 QStringLiteral("END SPANS NOT ACHIEVED; INTERMEDIATE SPANS ACHIEVED"));
        QCOMPARE(table->item(1, table->columnCount() - 1)->foreground().color(), QColor(Qt::red));
        QVERIFY(explorer.lblRatings->text().contains(QStringLiteral("end spans")));
        QVERIFY(
            explorer.lblRatings->text().contains(QStringLiteral("Insulation reached: not rated")));
    }

    // The chart carries capacity and applied moment over the six ratings, and for a continuous
    // member the negative capacity against both requirements; it renders and exports.
    void chartRendersAndExports() {
        Window w(true);
        frmFireExplorer& explorer = w.explore();
        QStringList names;
        for (QAbstractSeries* series : explorer.chartView->chart()->series()) {
            names << series->name();
        }
        QVERIFY(names.size() >= 5);
        auto* capacity = qobject_cast<QLineSeries*>(explorer.chartView->chart()->series()[0]);
        // The test tables hold the beam at 60 and 120 minutes only; the line skips the rest.
        QCOMPARE(capacity->count(), 2);
        QCOMPARE(capacity->at(0).x(), 60.0);
        QCOMPARE(capacity->at(1).x(), 120.0);
        QVERIFY(names.contains(QStringLiteral("Required, intermediate bay")));

        QTest::qWait(50);  // the chart lays itself out from the event loop
        const QImage image = explorer.renderChart();
        QVERIFY(!image.isNull());
        int coloured = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4) {
                const QColor c = image.pixelColor(x, y);
                coloured += c.saturation() > 100 ? 1 : 0;
            }
        }
        QVERIFY2(coloured > 20, "the chart should show its coloured lines");

        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("chart.png"));
        const QString svg = dir.filePath(QStringLiteral("chart.svg"));
        const QString csv = dir.filePath(QStringLiteral("tables.csv"));
        w.platform.fileNames = {png, svg};
        explorer.cmdExportChart->click();
        explorer.cmdExportChart->click();
        w.platform.fileNames = {csv, dir.filePath(QStringLiteral("missing/tables.csv"))};
        explorer.cmdExportTables->click();
        QVERIFY(w.platform.boxes.empty());
        explorer.cmdExportTables->click();
        QCOMPARE(w.platform.boxes.size(), std::size_t(1));

        QCOMPARE(QImage(png).size(), image.size());
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QVERIFY(svgFile.readAll().contains("<svg"));
        QFile csvFile(csv);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csvFile.readAll().trimmed().split('\n');
        QCOMPARE(lines.size(), 22);
        QVERIFY(lines[0].startsWith("fire,rating_min,"));
    }

    // Runs that cannot find their data show why in their rows, and no box comes up.
    void stoppedRunsShowTheirReasonInTheRow() {
        Window w;
        w.platform.programDir = QStringLiteral("/nonexistent-fd9");
        frmFireExplorer& explorer = w.explore();
        QVERIFY(w.platform.boxes.empty());
        for (QTableWidget* table : {explorer.tblStandard, explorer.tblNonStandard}) {
            for (int row = 0; row < table->rowCount(); ++row) {
                QVERIFY(Verdict(table, row).startsWith(QStringLiteral("STOPPED: ")));
                QVERIFY(Verdict(table, row).contains(QStringLiteral(".con")));
            }
        }
        // Refresh reruns on the model as it stands now.
        w.platform.programDir = DataDir;
        explorer.cmdRefresh->click();
        QVERIFY(!Verdict(explorer.tblStandard, 0).startsWith(QStringLiteral("STOPPED")));

        explorer.cmdHelp->click();
        QTest::keyClick(&explorer, Qt::Key_F1);
        QCOMPARE(w.platform.helpRequests.size(), std::size_t(2));
        QCOMPARE(w.platform.helpRequests.back().contextId, FireExplorerHelpContext);
    }

    void newOrOpenLeavesNoResultsOfTheFormerMember() {
        Window w;
        QPointer<frmFireExplorer> explorer = &w.explore();
        QVERIFY(explorer->isVisible());
        w.menu.ResetModel();
        QVERIFY(explorer.isNull());
        QVERIFY(w.explore().result().nothingToCalculate);
    }
};

QTEST_MAIN(tst_FireExplorer)
#include "tst_FireExplorer.moc"
