#include <QFile>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextItem>

#include "files/ResultsReport.h"
#include "shell/QtPlatform.h"
#include "shell/ReportPrinter.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

// Records every piece of text painted, with its face, its place on the device and its page.
class RecordingEngine : public QPaintEngine {
public:
    struct Item {
        QString text;
        bool bold;
        QRectF box;  // device coordinates
        int page;
    };
    std::vector<Item> items;
    int page = 0;

    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice* device) override {
        device_ = device;
        return true;
    }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform) {
            transform_ = state.transform();
        }
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QFontMetricsF metrics(item.font(), device_);
        const QRectF logical(p.x(), p.y() - metrics.ascent(),
                             metrics.horizontalAdvance(item.text()), metrics.height());
        items.push_back({item.text(), item.font().bold(), transform_.mapRect(logical), page});
    }
    Type type() const override { return QPaintEngine::User; }

private:
    QPaintDevice* device_ = nullptr;
    QTransform transform_;
};

// An A4 page at 300 dpi.
class RecordingDevice : public QPaintDevice {
public:
    RecordingEngine engine;
    static constexpr int Width = 2480;
    static constexpr int Height = 3508;

    QPaintEngine* paintEngine() const override { return const_cast<RecordingEngine*>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return Width;
            case PdmHeight:
                return Height;
            case PdmWidthMM:
                return 210;
            case PdmHeightMM:
                return 297;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
            default:
                return 300;  // every resolution
        }
    }
};

// Sends the print job to a PDF file with the copies asked for.
class PdfPlatform : public FakePlatform {
public:
    QString pdf;
    int copies = 1;
    bool printDialog(QPrinter& printer) override {
        ++printDialogs;
        if (pdf.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setCopyCount(copies);
        return true;
    }
};

FloorModel ContinuousDoubleTee() {
    FloorModel m;
    m.Selected.FloorType = FloorType::DoubleTee;
    m.Selected.DesignFire = DesignFire::NonStandard;
    m.SupportCondition = 1;
    m.OverallWidth = 2400;
    m.OverallDepth = 480;
    m.RibDepth = 350;
    m.RibWidthTop = 175;
    m.RibWidthBot = 125;
    m.PosSteelCount = 2;
    m.PosSteel[0] = {600, 430, 12.7f, 50};
    m.PosSteel[1] = {1800, 430, 12.7f, 50};
    m.NegSteelCount = 30;
    for (int row = 0; row < 30; ++row) {
        m.NegSteel[row] = {100.0f + 70 * row, 40, 12, 34};
    }
    m.FireLoad = 74;
    m.OpeningFactor = 0.08f;
    return m;
}

}  // namespace

class tst_files_print : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void everyLineInItsFaceOnThePageCopyAfterCopy() {
        const FloorModel model = ContinuousDoubleTee();
        const std::vector<ReportLine> lines =
            ReportLines(model, "6-December-2026", ReportTarget::Printer);
        RecordingDevice device;
        QPainter painter(&device);
        const bool painted = PaintReport(
            painter, QSizeF(RecordingDevice::Width, RecordingDevice::Height),
            [&device] {
                ++device.engine.page;
                return true;
            },
            lines, 3);
        painter.end();
        QVERIFY(painted);

        std::vector<std::pair<QString, bool>> expected;
        for (int copy = 0; copy < 3; ++copy) {
            for (const ReportLine& line : lines) {
                for (const ReportPiece& piece : line.pieces) {
                    if (!piece.text.empty()) {
                        expected.emplace_back(QString::fromStdString(piece.text), line.bold);
                    }
                }
            }
        }
        const auto& items = device.engine.items;
        QCOMPARE(items.size(), expected.size());
        const QRectF page(0, 0, RecordingDevice::Width, RecordingDevice::Height);
        int lastPage = 0;
        double lastTop = -1;
        for (std::size_t i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i].text, expected[i].first);
            QCOMPARE(items[i].bold, expected[i].second);
            QVERIFY2(page.contains(items[i].box), qPrintable(items[i].text));
            QVERIFY(items[i].page >= lastPage);
            if (items[i].page == lastPage) {
                QVERIFY(items[i].box.top() >= lastTop - 0.01);
            }
            lastPage = items[i].page;
            lastTop = items[i].box.top();
        }
        QVERIFY(lastPage >= 2);  // 3 copies of 80 lines do not fit on two pages

        // The second copy starts on the line after the first ends, not on a new page.
        const std::size_t perCopy = expected.size() / 3;
        const auto& lastOfFirst = items[perCopy - 1];
        const auto& firstOfSecond = items[perCopy];
        QCOMPARE(firstOfSecond.text, QStringLiteral("Date is 6-December-2026"));
        if (firstOfSecond.page == lastOfFirst.page) {
            QVERIFY(firstOfSecond.box.top() > lastOfFirst.box.top());
            QVERIFY(firstOfSecond.box.top() < lastOfFirst.box.bottom() + lastOfFirst.box.height());
        }

        // Values of a block share their column, as in the text file.
        const auto valueAfter = [&](const QString& label) {
            for (std::size_t i = 0; i + 1 < items.size(); ++i) {
                if (items[i].text == label) {
                    return items[i + 1].box.left();
                }
            }
            return -1.0;
        };
        const double areaColumn = valueAfter(QStringLiteral("Total Steel Area (sq mm)"));
        QVERIFY(areaColumn > 0);
        QCOMPARE(qRound(valueAfter(QStringLiteral("Steel Temp (C)"))), qRound(areaColumn));
        QCOMPARE(qRound(valueAfter(QStringLiteral("Reduced Steel Strength (MPa)"))),
                 qRound(areaColumn));
    }

    // The whole report is printed, so the dialog offers copies but no page range to ignore.
    void printDialogOffersNoPageRange() {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        LimitPrintDialog(dialog);
        for (int shown = 0; shown < 2; ++shown) {
            dialog.show();
            QCoreApplication::processEvents();
            auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"));
            auto* copies = dialog.findChild<QWidget*>(QStringLiteral("copies"));
            QVERIFY(range && copies);
            QVERIFY(range->isHidden());
            QVERIFY(!copies->isHidden());
            QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
            dialog.hide();
        }
    }

    void printsToTheChosenPrinterAndSaysSo() {
        QTemporaryDir dir;
        FloorModel model;
        PdfPlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        model = ContinuousDoubleTee();
        platform.pdf = dir.filePath(QStringLiteral("report.pdf"));
        platform.copies = 2;

        menu.mnuPrint_Click();

        QCOMPARE(platform.boxes.size(), size_t(1));
        QCOMPARE(platform.boxes[0].text, QStringLiteral("Data and Results Printed"));
        QCOMPARE(platform.boxes[0].title, QStringLiteral("ORVAN FD9"));
        QCOMPARE(platform.boxes[0].icon, MsgIcon::Information);
        QCOMPARE(platform.busyDepth, 0);
        QFile file(platform.pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        // Headings in a bold face, the rest in the regular one.
        QVERIFY(pdf.contains("/BaseFont /") && pdf.contains("-Bold\n"));
        QVERIFY(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                    pdf.count("/Type /Page>") + pdf.count("/Type /Page ") >=
                2);
    }

    void cancelPrintsNothingAndAFailingPrinterIsReported() {
        FloorModel model;
        PdfPlatform platform;
        frmMenu menu(model, platform);
        menu.mnuPrint_Click();  // cancelled
        QCOMPARE(platform.printDialogs, 1);
        QVERIFY(platform.boxes.empty());
        platform.pdf = QStringLiteral("/nonexistent/folder/report.pdf");
        menu.mnuPrint_Click();
        QCOMPARE(platform.boxes.size(), size_t(1));
        QVERIFY(platform.boxes[0].text != QStringLiteral("Data and Results Printed"));
        QCOMPARE(platform.boxes[0].icon, MsgIcon::None);
        QCOMPARE(platform.boxes[0].buttons, MsgButtons::OK);
        QCOMPARE(platform.busyDepth, 0);
    }
};

QTEST_MAIN(tst_files_print)
#include "tst_files_print.moc"
