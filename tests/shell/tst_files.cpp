// The file commands: save, open, the results file, print and the calculation record, also under
// damage and failure. A damaged file is reported and leaves the model as it was, a save that
// fails leaves the old file byte for byte, and no command leaves a file open or keeps memory.
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextItem>
#include <csignal>
#include <functional>
#include <sstream>

#include "../calc/ExampleMembers.h"
#include "../reliability/ModelFields.h"
#include "../reliability/OpenFiles.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmRecordDetails.h"
#include "dialogs/frmRemoveSteel.h"
#include "files/ModelFile.h"
#include "files/RecordDetailsFile.h"
#include "files/ResultsReport.h"
#include "shell/HelpWindow.h"
#include "shell/QtPlatform.h"
#include "shell/ReportPrinter.h"
#include "support/DialogRig.h"

using namespace fd9;
using reliability::OpenFileCount;

Q_DECLARE_METATYPE(fd9::FloorType)

namespace {

#ifndef __has_feature
#define __has_feature(x) 0
#endif
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
constexpr bool HeapIsMeasurable = false;  // the sanitizer's allocator keeps freed blocks
#else
constexpr bool HeapIsMeasurable = true;
#endif
// glibc keeps freed blocks in per-thread caches that mallinfo2 counts as in use, a few dozen
// bytes more after every open; ctest turns the caches off for this test so the count is exact.
bool HeapCountIsExact() {
    return HeapIsMeasurable && qgetenv("GLIBC_TUNABLES").contains("glibc.malloc.tcache_count=0");
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Everything a model file keeps, as text, to see whether a model changed.
std::string FileImage(const FloorModel& model, bool userFactors = false) {
    std::ostringstream out;
    WriteModelFile(out, model,
                   userFactors ? LoadCombination::UserSpecified : LoadCombination::NZS4203);
    return out.str();
}

// A model of the floor type as a user leaves it: stored codes, bars, factors and load options,
// continuous, under the non-standard fire for a slab or a tee-beam.
void Fill(frmMenu& menu, FloorType type, bool userFactors = false, float deadFactor = 1.1f) {
    FloorModel& m = menu.model();
    menu.setFloorType(type);
    menu.setDesignFire(type == FloorType::Slab || type == FloorType::TeeBeam
                           ? DesignFire::NonStandard
                           : DesignFire::Standard);
    m.PosSteelCount = 2;
    m.PosSteel[0] = {90, 600, 20, 0};
    m.PosSteel[1] = {260, 600, 20, 0};
    m.NegSteelCount = 1;
    m.NegSteel[0] = {175, 45.5f, 16, 0};
    m.PosSteelType = 1;
    m.ConcreteType = 3;
    m.DeadLoadFactor = deadFactor;
    m.LiveLoadFactor = 0.3f;
    frmDesignLoads& loads = menu.designLoads();
    loads.optContinuous->click();
    (userFactors ? loads.optUserSpecified : loads.optStorageFloors)->click();
}

// An A4 page at 300 dpi that records every piece of text painted: its face, height and page.
class RecordingPage : public QImage, public QPaintEngine {
public:
    struct Item {
        QString text;
        bool bold;
        double top;
        int page;
    };
    std::vector<Item> items;
    int page = 0;

    RecordingPage() : QImage(2480, 3508, QImage::Format_Mono), QPaintEngine(AllFeatures) {
        setDotsPerMeterX(11811);
        setDotsPerMeterY(11811);
    }
    QPaintEngine* paintEngine() const override { return const_cast<RecordingPage*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const double top = painter()->combinedTransform().map(p).y();
        items.push_back({item.text(), item.font().bold(), top, page});
    }
    Type type() const override { return User; }
};

// Sends the print job to a PDF file with the copies asked for.
struct PdfPlatform : FakePlatform {
    QString pdf;
    int copies = 1;
    bool printDialog(QPrinter& printer) override {
        ++printDialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setCopyCount(copies);
        return !pdf.isEmpty();
    }
};

// The worked slab of four bars under its loads, in a window after New.
void DescribeSlab(frmMenu& menu) {
    menu.ResetModel();
    examples::SlabSection(menu.model(), 150);
    examples::Loads(menu.model(), 4);
}

// A continuous double-tee with a full group of 30 top bars: a report of more than a page.
FloorModel ContinuousDoubleTee() {
    FloorModel m = NewModel(FloorType::DoubleTee);
    m.Selected.DesignFire = DesignFire::NonStandard;
    m.SupportCondition = 1;
    m.NegSteelCount = 30;
    for (int row = 0; row < 30; ++row) {
        m.NegSteel[row] = {100.0f + static_cast<float>(70 * row), 40, 12, 34};
    }
    return m;
}

// The model, TempDataFile and every label of the window, the message area among them.
QStringList Shown(frmMenu& menu) {
    QStringList texts{
        QString::fromStdString(menu.TempDataFile + reliability::Describe(menu.model()))};
    for (const QLabel* label : menu.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

frmRecordDetails& Details(QDialog& dialog) {
    return *qobject_cast<frmRecordDetails*>(&dialog);
}

const RecordDetails Harbour = {
    "Harbour car park", "2026-114", "Level 2, grid C/4",  "A. Engineer", "B. Checker",
    "Orvan Consulting", "B",        "Slab strip\nSheet 4"};

// The user gives these, with blanks around the project, chooses Letter and presses Enter.
void TypeHarbour(QDialog& dialog) {
    frmRecordDetails& f = Details(dialog);
    f.showDetails(Harbour, false);
    f.txtProject->setText(QStringLiteral("  ") + f.txtProject->text() + QStringLiteral(" "));
    f.optLetter->click();
    QTest::keyClick(f.txtRevision, Qt::Key_Return);
}

}  // namespace

class tst_files : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        // The user's own settings are never written by a test.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    void everyFloorTypeComesBackInANewSession_data() {
        QTest::addColumn<FloorType>("type");
        QTest::addColumn<bool>("userFactors");
        QTest::addColumn<float>("deadFactor");
        QTest::newRow("double-tee, NZS 4203") << FloorType::DoubleTee << false << 1.0f;
        QTest::newRow("tee-beam, user factors") << FloorType::TeeBeam << true << 1.1f;
        // NZS 4203 chosen but never confirmed over a typed dead factor: the file keeps the
        // code beside 1.1, which the calculation uses, so it must show as typed in.
        QTest::newRow("beam, NZS 4203 beside a typed factor") << FloorType::Beam << false << 1.1f;
    }

    void everyFloorTypeComesBackInANewSession() {
        QFETCH(FloorType, type);
        QFETCH(bool, userFactors);
        QFETCH(float, deadFactor);
        const bool typed = userFactors || deadFactor != NzsDeadLoadFactor;
        const bool nonStandard = type == FloorType::Slab || type == FloorType::TeeBeam;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("model.dat"));
        MenuRig first(FloorType::Slab);
        Fill(first.menu, type, userFactors, deadFactor);
        first.platform.fileNames = {path};
        QVERIFY(first.menu.mnuSaveAs_Click());
        const FileDialogRequest& asked = first.platform.fileRequests.at(0).request;
        QCOMPARE(std::tuple(first.platform.fileRequests[0].save, asked.title, asked.filter,
                            asked.filterIndex, asked.defaultExtension),
                 std::tuple(true, QStringLiteral("Save Model Data"),
                            QStringLiteral("All Files (*.*)|*.*|Data Files (*.dat)|*.dat"), 2,
                            QStringLiteral("DAT")));
        const std::string saved = FileImage(first.model, userFactors);
        QCOMPARE(Contents(path).toStdString(), saved);
        // Every command cancelled does nothing, and the save dialog starts from the name it
        // returned last. New answered Yes and then cancelled keeps the model.
        QVERIFY(!first.menu.mnuSaveAs_Click());
        QCOMPARE(first.platform.fileRequests.back().request.fileName, path);
        first.menu.mnuOpen_Click();
        first.menu.mnuSaveResultsFile_Click();
        first.menu.mnuPrint_Click();
        first.platform.answers.push_back(MsgAnswer::Yes);
        first.menu.mnuNew_Click();
        QCOMPARE(FileImage(first.model, userFactors), saved);
        QCOMPARE(std::tuple(first.platform.boxTexts(), first.platform.busyDepth,
                            QDir(dir.path()).entryList(QDir::Files)),
                 std::tuple(QStringList{QStringLiteral("Would you like to save current file?")}, 0,
                            QStringList{QStringLiteral("model.dat")}));

        MenuRig r(FloorType::Slab);
        auto& [model, platform, menu] = r;
        // Opened twice: the lists are emptied before they are filled, so no bar shows twice.
        platform.fileNames = {path, path};
        menu.mnuOpen_Click();
        menu.mnuOpen_Click();
        QCOMPARE(platform.boxTexts(), QStringList());
        QCOMPARE(FileImage(model, userFactors), saved);
        QCOMPARE(std::tuple(platform.fileRequests.at(0).save,
                            platform.fileRequests[0].request.filterIndex, platform.busyDepth),
                 std::tuple(false, 2, 0));
        QVERIFY(!menu.cmdUpdateResults->isHidden());
        for (FloorType t :
             {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
            QCOMPARE(menu.mnuFloor[int(t)]->isChecked(), t == type);
        }
        frmDesignLoads& loads = menu.designLoads();
        QCOMPARE(std::tuple(menu.mnuNonStandardFire->isChecked(), menu.mnuStandardFire->isChecked(),
                            menu.removeSteel().lstSteelPos->count(),
                            menu.removeSteel().lstSteelNeg->count(), model.Selected.PosSteelType,
                            model.Selected.ConcreteType),
                 std::tuple(nonStandard, !nonStandard, 2, 1, SteelType::PrestressingStrand,
                            ConcreteType::Dacite));
        QCOMPARE(std::tuple(loads.optContinuous->isChecked(), loads.optUserSpecified->isChecked(),
                            loads.optNZS4203->isChecked(), loads.optStorageFloors->isChecked(),
                            loads.txtDeadLoadReduction->isEnabled(), loads.optRoofs->isEnabled()),
                 std::tuple(true, typed, !typed, !typed, typed, !typed));
        if (typed) {
            QCOMPARE(loads.txtDeadLoadReduction->text(), QStringLiteral(" 1.1"));
        }
    }

    // The device fills up part-way through the write, from Save As, Exit or New, or the place
    // is a folder: what is there keeps its bytes, no stray file is left, none is left open,
    // and New stops before its reset.
    void aFailedSaveKeepsTheOldFileAndSaysSo() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("model.dat"));
        const QByteArray old = "\"fd9data\"\r\nthe engineer's earlier model\r\n";
        WriteFile(path, old);
        MenuRig r(FloorType::Slab);
        auto& [model, platform, menu] = r;
        DescribeSlab(menu);
        const int openBefore = OpenFileCount();
        // A device that fills up after 40 bytes, whoever runs the test.
        rlimit unlimited{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = unlimited;
        small.rlim_cur = 40;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        platform.fileNames = {path, path};
        const bool saved = menu.mnuSaveAs_Click();
        platform.answers.push_back(MsgAnswer::Yes);  // Exit: save first
        menu.mnuExit_Click();
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!saved);
        QCOMPARE(Contents(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("model.dat")});
        QCOMPARE(platform.boxes.size(), size_t(3));
        QVERIFY(platform.boxes[0].text.contains(path));
        QVERIFY2(platform.boxes[2].text.startsWith(QStringLiteral("The model could not be saved")),
                 qPrintable(platform.boxes[2].text));
        QCOMPARE(platform.boxes[2].title, QStringLiteral("Disk error"));

        platform.answers.push_back(MsgAnswer::Yes);
        platform.fileNames.push_back(dir.filePath(QStringLiteral("no/such/folder/x.dat")));
        menu.mnuNew_Click();
        QCOMPARE(std::tuple(model.PosSteelCount, platform.boxes.size(), platform.busyDepth),
                 std::tuple(4, size_t(5), 0));

        // With room to spare the file is replaced whole; over a folder of that name the
        // finished temporary file cannot be renamed.
        platform.fileNames.push_back(path);
        QVERIFY(menu.mnuSaveAs_Click());
        QVERIFY(Contents(path).startsWith("\"fd9data\"\r\n1000,150,4,"));
        const QString folder = dir.filePath(QStringLiteral("taken.dat"));
        QVERIFY(QDir().mkdir(folder));
        WriteFile(folder + QStringLiteral("/inside"), "kept");
        platform.fileNames.push_back(folder);
        QVERIFY(!menu.mnuSaveAs_Click());
        QCOMPARE(Contents(folder + QStringLiteral("/inside")), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("model.dat")});
        QCOMPARE(OpenFileCount(), openBefore);
    }

    // A file that is missing, not a regular file, oversized or damaged is refused with its
    // reason, and the model, the marks and the results stay as they were. Reading a pipe or
    // /dev/zero whole would freeze the window.
    void refusedFilesLeaveTheModelUntouched() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("folder.dat"));
        QVERIFY(QDir().mkdir(folder));
        const QString pipe = dir.filePath(QStringLiteral("pipe.dat"));
        QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
        const QString huge = dir.filePath(QStringLiteral("huge.dat"));
        QFile hugeFile(huge);
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(1024 * 1024 + 1));
        hugeFile.close();
        const QString path = dir.filePath(QStringLiteral("damaged.dat"));
        const QByteArray good =
            "\"fd9data\"\r\n1000,150,1,300,300,25,60,1,0,0\r\n0,0,0,0,0,0,0,0,0\r\n"
            "113.0973,25,25,0,0,2,6,16,1,.4,12,0,37,.04\r\n500\r\n125\r\n12\r\n25\r\n";
        const QString refused =
            QStringLiteral("The file %1 cannot be opened: %2. The model is unchanged.");
        const QString notRegular = QStringLiteral("it is not a regular file");
        const QString disk = QStringLiteral("Disk error");
        const QString orvan = QStringLiteral("ORVAN FD9");
        const struct {
            QString path;
            QByteArray contents;
            QStringList texts;
            QString title;
        } cases[] = {
            {folder, {}, {refused.arg(folder, notRegular)}, disk},
            {QStringLiteral("/dev/zero"), {}, {refused.arg(u"/dev/zero", notRegular)}, disk},
            {pipe, {}, {refused.arg(pipe, notRegular)}, disk},
            {huge,
             {},
             {refused.arg(huge, u"it is larger than 1 MiB, which no model file is")},
             disk},
            {path,
             good.left(good.size() - 8),
             {QStringLiteral("This file has a non standard end of file marker, or an attempt was "
                             "made to read beyond the end of file marker.")},
             disk},
            {path,
             QByteArray(good).replace("1000,150,1,", "1000,150,31,"),
             {refused.arg(path,
                          u"it gives 31 bars for one reinforcement group, and a group "
                          u"holds 0 to 30 bars")},
             orvan},
            {path,
             QByteArray(good).replace("\r\n125\r\n", "\r\nabc\r\n"),
             {refused.arg(path, u"line 6 holds \"abc\" where a number belongs")},
             orvan},
            {path,
             QByteArray(good).replace(",60,1,0,0", ",60,4,0,0"),
             {refused.arg(path, u"line 2 holds the code \"4\", which no setting has")},
             orvan},
            {path,
             QByteArray(good).replace("fd9data", "FD9DATA"),
             {QStringLiteral("The file is not a valid FD9 data file.")},
             orvan},
            {QStringLiteral("/nonexistent/none.dat"),
             {},
             {QStringLiteral("The file /nonexistent/none.dat doesn't exist."),
              QStringLiteral("Not a valid file name.")},
             QStringLiteral("file message")},
        };
        MenuRig r(FloorType::Slab);
        auto& [model, platform, menu] = r;
        DescribeSlab(menu);
        menu.setDesignFire(DesignFire::NonStandard);
        menu.lblSteelTemp->setText(QStringLiteral("512.0"));
        const int openBefore = OpenFileCount();
        for (const auto& c : cases) {
            if (!c.contents.isEmpty()) {
                WriteFile(path, c.contents);
                platform.answers.push_back(MsgAnswer::Retry);  // even Retry cannot read it
            }
            platform.clear();
            platform.fileNames.push_back(c.path);
            const std::string before = reliability::Describe(model);
            menu.mnuOpen_Click();
            QCOMPARE(std::tuple(platform.boxTexts(), platform.boxes[0].title,
                                reliability::Describe(model), menu.lblSteelTemp->text()),
                     std::tuple(c.texts, c.title, before, QStringLiteral("512.0")));
            QVERIFY(menu.mnuFloor[int(FloorType::Slab)]->isChecked() &&
                    menu.mnuNonStandardFire->isChecked());
        }
        QCOMPARE(std::tuple(platform.boxes[0].icon, platform.boxes[1].icon),
                 std::tuple(MsgIcon::Information, MsgIcon::Exclamation));

        QCOMPARE(OpenFileCount(), openBefore);
    }

    // No command, succeeding or failing, leaves a file open; and over many CALCULATEs and
    // open/save cycles in one main window the heap in use stays flat. A few cycles by default;
    // FD9_SOAK_CYCLES=1000 under valgrind's massif gives the long figure.
    void noCommandLeavesAFileOpenOrKeepsMemory() {
        QTemporaryDir dir;
        MenuRig r(FloorType::Slab);
        auto& [model, platform, menu] = r;
        const QString data = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");
        DescribeSlab(menu);
        const int openBefore = OpenFileCount();
        const QString file = dir.filePath(QStringLiteral("m.dat"));
        const auto calculate = [&] { menu.Calculate(); };
        const auto save = [&] { QVERIFY(menu.mnuSaveAs_Click()); };
        const auto open = [&] { menu.mnuOpen_Click(); };
        const auto report = [&] { menu.mnuSaveResultsFile_Click(); };
        // clang-format off
        const struct { const char* name; QString dir, file; std::function<void()> run; } steps[] = {
            {"results file", data, dir.filePath(QStringLiteral("r.txt")), report},
            {"results into a folder", data, dir.path(), report},
            {"CALCULATE without data files", dir.path(), {}, calculate},
            {"New", data, {}, [&] { DescribeSlab(menu); }},
        };
        // clang-format on
        for (const auto& step : steps) {
            platform.programDir = step.dir;
            if (!step.file.isEmpty()) {
                platform.fileNames.push_back(step.file);
            }
            step.run();
            QVERIFY2(OpenFileCount() == openBefore, step.name);
        }
        // A soak of runs that stop at once would prove little.
        menu.Calculate();
        QVERIFY2(menu.lblMessages->text().contains(QStringLiteral("STABILITY")),
                 qPrintable(menu.lblMessages->text()));

        // Warm-up, then two equal spans: a leak grows both alike, a cache that is still
        // filling mostly the first. The program's event loop deletes what New discarded, and
        // the program keeps no box.
        const int asked = qEnvironmentVariableIntValue("FD9_SOAK_CYCLES");
        const int cycles = asked > 0 ? asked : 60;
        auto heapAfterSpans = [&](const std::function<void()>& command) {
            std::vector<std::size_t> heap;
            for (int i = 0; i < 200 + 2 * cycles; ++i) {
                if (i >= 200 && (i - 200) % cycles == 0) {
                    malloc_trim(0);
                    heap.push_back(mallinfo2().uordblks);
                }
                platform.fileNames.push_back(file);
                command();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                platform.boxes.clear();
                platform.fileRequests.clear();
            }
            malloc_trim(0);
            heap.push_back(mallinfo2().uordblks);
            return heap;
        };
        const auto saves = heapAfterSpans([&] {
            menu.Calculate();
            save();
        });
        const auto opens = heapAfterSpans(open);
        qInfo("heap in use over %d cycles: CALCULATE and save %zu, %zu, %zu; open %zu, %zu, %zu",
              cycles, saves[0], saves[1], saves[2], opens[0], opens[1], opens[2]);
        QCOMPARE(OpenFileCount(), openBefore);
        // Nothing may outlive a command: one block of 32 bytes (the least malloc gives) kept
        // by each command would add 1920 bytes over the 60 cycles.
        if (HeapCountIsExact()) {
            QVERIFY2(saves[2] <= saves[1] + 1024, "CALCULATE or save keeps memory");
            QVERIFY2(opens[2] <= opens[1] + 1024, "open keeps memory");
        } else {
            qInfo("heap bounds not checked: run with GLIBC_TUNABLES=glibc.malloc.tcache_count=0");
        }
    }

    // The results file is the report of the model, and one that cannot be written says so.
    void resultsFileIsTheReportOfTheModel() {
        QTemporaryDir dir;
        MenuRig r(FloorType::Slab);
        auto& [model, platform, menu] = r;
        Fill(menu, FloorType::Beam);
        const QString path = dir.filePath(QStringLiteral("Demo.Txt"));
        platform.fileNames = {path, dir.filePath(QStringLiteral("missing/Demo.Txt"))};
        menu.mnuSaveResultsFile_Click();
        QCOMPARE(platform.fileRequests.at(0).request.fileName, QStringLiteral("Demo.Txt"));
        QVERIFY(platform.boxes.empty());
        QCOMPARE(Contents(path).toStdString(), ResultsFileText(model, "6-December-2026"));
        menu.mnuSaveResultsFile_Click();
        QCOMPARE(platform.boxes.size(), size_t(1));
        QVERIFY(platform.boxes[0].text.startsWith(QStringLiteral("The report could not be saved")));
        QCOMPARE(platform.busyDepth, 0);

        // A stopped run leaves results of two runs: neither command reports them, until New.
        platform.programDir = dir.path();  // no data files
        menu.Calculate();
        platform.clear();
        menu.mnuSaveResultsFile_Click();
        menu.mnuPrint_Click();
        QCOMPARE(
            std::tuple(platform.boxes.size(), platform.fileRequests.size(), platform.printDialogs),
            std::tuple(size_t(2), size_t(0), 0));
        QVERIFY(platform.boxes[1].text.startsWith(QStringLiteral("The last CALCULATE stopped")));
        menu.ResetModel();
        platform.fileNames = {path};
        menu.mnuSaveResultsFile_Click();
        QCOMPARE(platform.fileRequests.size(), size_t(1));
    }

    // A simply supported double-tee whose file holds NAN for the centroid of its two top bars:
    // no report, before CALCULATE or after, shows it or any negative result that no run of this
    // member computes.
    void reportsShowNoNegativeResultsOfASimplySupportedMember() {
        QTemporaryDir dir;
        MenuRig r(FloorType::Slab);
        auto& [model, platform, menu] = r;
        platform.programDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");
        const QString report = dir.filePath(QStringLiteral("r.txt"));
        platform.fileNames = {
            QStringLiteral(FD9_TEST_SOURCE_DIR "/tools/cli/models/report-nan.dat"), report, report};
        menu.mnuOpen_Click();
        for (const bool calculated : {false, true}) {
            menu.mnuSaveResultsFile_Click();
            const QByteArray text = Contents(report);
            QVERIFY2(!text.contains("NAN") &&
                         text.contains("Steel Type is Prestressing\r\nSteel Strength (MPa)") &&
                         text.contains("\r\nResults are not calculated for a simply-supported "
                                       "member.\r\n"),
                     text.constData());
            QCOMPARE(menu.lblMessages->text().contains(QStringLiteral("STABILITY")), calculated);
            menu.Calculate();
        }
    }

    // Each line in its face, in order down the pages; the second copy starts on the line after
    // the first ends, not on a new page.
    void everyLineInItsFaceOnThePageCopyAfterCopy() {
        const std::vector<ReportLine> lines =
            ReportLines(ContinuousDoubleTee(), "6-December-2026", ReportTarget::Printer);
        std::vector<std::pair<QString, bool>> copy;
        for (const ReportLine& line : lines) {
            for (const ReportPiece& piece : line.pieces) {
                if (!piece.text.empty()) {
                    copy.emplace_back(QString::fromStdString(piece.text), line.bold);
                }
            }
        }
        RecordingPage device;
        QPainter painter(&device);
        const auto newPage = [&device] { return ++device.page > 0; };
        QVERIFY(PaintReport(painter, QSizeF(device.width(), device.height()), newPage, lines, 2));
        painter.end();
        const auto& items = device.items;
        QCOMPARE(items.size(), 2 * copy.size());
        double pitch = device.height();  // of a line: the least step down between two pieces
        for (std::size_t i = 1; i < items.size(); ++i) {
            QCOMPARE(std::pair(items[i].text, items[i].bold), copy[i % copy.size()]);
            const double step = items[i].top - items[i - 1].top;
            QVERIFY(items[i].page == items[i - 1].page ? step >= -0.01
                                                       : items[i].page == items[i - 1].page + 1);
            pitch =
                step > 0.01 && items[i].page == items[i - 1].page ? std::min(pitch, step) : pitch;
        }
        // The second copy starts on the line after the first ends, not on a new page.
        const auto& [last, next] = std::tie(items[copy.size() - 1], items[copy.size()]);
        QCOMPARE(std::pair(next.page, qRound(next.top - last.top)),
                 std::pair(last.page, qRound(pitch)));
        QVERIFY(items.back().page >= 1);
    }

    // Cancel prints nothing, a failing printer is reported, and the chosen one prints and says
    // so. The whole report is printed, so the dialog offers copies but no page range to ignore.
    void printsToTheChosenPrinterAndSaysSo() {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        LimitPrintDialog(dialog);
        for (int shown = 0; shown < 2; ++shown) {
            dialog.show();
            QCoreApplication::processEvents();
            auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"));
            auto* copies = dialog.findChild<QWidget*>(QStringLiteral("copies"));
            QVERIFY(range && copies && range->isHidden() && !copies->isHidden());
            QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
            dialog.hide();
        }
        QTemporaryDir dir;
        FloorModel model;
        PdfPlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        menu.mnuPrint_Click();  // cancelled
        QCOMPARE(std::tuple(platform.printDialogs, platform.boxes.size()), std::tuple(1, 0u));
        platform.pdf = QStringLiteral("/nonexistent/folder/report.pdf");
        menu.mnuPrint_Click();
        QCOMPARE(platform.boxes.size(), size_t(1));
        QVERIFY(platform.boxes[0].text != QStringLiteral("Data and Results Printed"));
        QCOMPARE(std::tuple(platform.boxes[0].icon, platform.boxes[0].buttons, platform.busyDepth),
                 std::tuple(MsgIcon::None, MsgButtons::OK, 0));

        model = ContinuousDoubleTee();
        platform.pdf = dir.filePath(QStringLiteral("report.pdf"));
        platform.copies = 2;
        platform.clear();
        menu.mnuPrint_Click();
        QCOMPARE(platform.boxes.size(), size_t(1));
        const FakePlatform::Box& box = platform.boxes[0];
        QCOMPARE(std::tuple(box.text, box.title, box.icon, platform.busyDepth),
                 std::tuple(QStringLiteral("Data and Results Printed"), QStringLiteral("ORVAN FD9"),
                            MsgIcon::Information, 0));
        const QByteArray pdf = Contents(platform.pdf);
        // Headings in a bold face, the rest in the regular one.
        QVERIFY(pdf.startsWith("%PDF") && pdf.contains("/BaseFont /") && pdf.contains("-Bold\n"));
        QVERIFY(pdf.count("/Type /Page") - pdf.count("/Type /Pages") >= 2);
    }

    // After Print; every other item keeps its place and access key. F1 on it opens its topic.
    void fileMenuHasTheRecordAfterPrint() {
        MenuRig r(FloorType::Slab);
        QStringList items;
        for (QAction* a : r.menu.mnuFile->actions()) {
            items << a->text();
        }
        QCOMPARE(items, QStringList({QStringLiteral("&New"), QStringLiteral("&Open"),
                                     QStringLiteral("Save"), QStringLiteral("&Print"),
                                     QString::fromUtf8("&Export Calculation Record\u2026"),
                                     QString(), QStringLiteral("E&xit")}));
        r.menu.mnuFile->setActiveAction(r.menu.mnuExportRecord);
        QTest::keyClick(r.menu.mnuFile, Qt::Key_F1);
        QCOMPARE(std::tuple(r.platform.helpRequests.back().contextId,
                            HelpWindow::anchorFor(CalculationRecordHelpContext)),
                 std::tuple(CalculationRecordHelpContext, QStringLiteral("record")));
    }

    // Cancel at any step does nothing; a failed write says why, through the platform. Neither
    // touches the model, the results shown, the message area or TempDataFile.
    void cancelOrFailureLeavesTheWindowAlone() {
        MenuRig w(FloorType::Slab);
        DescribeSlab(w.menu);
        w.platform.programDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");
        w.menu.Calculate();
        QVERIFY(!w.menu.TempDataFile.empty() && !w.menu.lblAppliedMom->text().isEmpty());
        QTemporaryDir dir;
        const QStringList before = Shown(w.menu);
        const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/slab.pdf"));
        const std::function<void(QDialog&)> steps[] = {
            [](QDialog& d) { d.close(); },
            [](QDialog& d) { QTest::keyClick(Details(d).txtNote, Qt::Key_Escape); }, TypeHarbour,
            TypeHarbour};
        for (int step = 0; step < 4; ++step) {
            w.platform.clear();
            w.platform.maxBusyDepth = 0;
            w.platform.dialogActions = {steps[step]};
            w.platform.fileNames = {step == 3 ? std::optional(unwritable) : std::nullopt};
            w.menu.mnuExportRecord->trigger();
            QCOMPARE(Shown(w.menu), before);
            // The busy pointer only while the record is written.
            QCOMPARE(std::tuple(w.platform.fileRequests.size(), w.platform.boxes.size(),
                                w.platform.busyDepth, w.platform.maxBusyDepth),
                     std::tuple(std::size_t(step >= 2), std::size_t(step == 3), 0, int(step == 3)));
            QVERIFY(step < 3 || w.platform.boxes[0].text.contains(unwritable));
            QCOMPARE(QSettings(QStringLiteral("ORVAN"), QStringLiteral("FD9")).allKeys().isEmpty(),
                     step < 3);
        }
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // The project fields come back with the model in a new session, the engineer and the
    // organisation with the user; New clears only the project's. The model file is written as
    // before. A details file written wrong is named, and its fields are not taken.
    void detailsComeBackWithTheModelAndTheUser() {
        QTemporaryDir dir;
        const QString beam = dir.filePath(QStringLiteral("beam.dat"));
        MenuRig w(FloorType::Slab);
        DescribeSlab(w.menu);
        w.platform.fileNames = {beam, dir.filePath(QStringLiteral("out/beam.pdf")), beam};
        w.platform.dialogActions = {TypeHarbour};
        QVERIFY(w.menu.mnuSaveAs_Click());
        const QByteArray saved = Contents(beam);
        w.menu.mnuExportRecord->trigger();
        QVERIFY(w.menu.mnuSaveAs_Click());
        QCOMPARE(Contents(beam), saved);
        const FileDialogRequest& asked = w.platform.fileRequests[1].request;
        QCOMPARE(std::tuple(asked.fileName, asked.filter.left(24), asked.defaultExtension),
                 std::tuple(dir.filePath(QStringLiteral("beam.pdf")),
                            QStringLiteral("PDF Files (*.pdf)|*.pdf|"), QStringLiteral("pdf")));
        const QString beside = beam + QStringLiteral(".details");
        QCOMPARE(Contents(beside).toStdString(), RecordDetailsText(Harbour));

        MenuRig next(FloorType::Slab);
        RecordDetails seen, user;
        std::tie(user.engineer, user.organisation) =
            std::tie(Harbour.engineer, Harbour.organisation);
        bool letter = false;
        auto offered = [&](void (frmMenu::*command)()) {  // then Cancel
            (next.menu.*command)();
            next.platform.dialogActions = {[&](QDialog& d) {
                std::tie(seen, letter) = std::pair(Details(d).details(), Details(d).letterPage());
            }};
            next.menu.mnuExportRecord->trigger();
            return std::tuple(seen, letter);
        };
        next.platform.fileNames = {beam, beam, dir.filePath(QStringLiteral("none.dat"))};
        QCOMPARE(offered(&frmMenu::mnuOpen_Click), std::tuple(Harbour, true));
        QCOMPARE(offered(&frmMenu::mnuNew_Click), std::tuple(user, true));
        WriteFile(beside, "project = Harbour\nrevison = C");
        QVERIFY(QFile::copy(beam, dir.filePath(QStringLiteral("none.dat"))));
        next.platform.clear();
        QCOMPARE(offered(&frmMenu::mnuOpen_Click), std::tuple(user, true));
        QCOMPARE(offered(&frmMenu::mnuOpen_Click), std::tuple(user, true));  // none kept
        QCOMPARE(next.platform.boxes.size(), std::size_t(1));
        QVERIFY(next.platform.boxes[0].text.contains(beside + QStringLiteral(", were not read: "
                                                                             "line 2: unknown")));
    }

    // A model opened with its details beside it gives the record fd9-cli gives of the same file
    // and date, from the same data: the same bytes apart from the creation date.
    void theWindowsRecordIsTheCommandLines() {
        QTemporaryDir dir;
        const QString model = dir.filePath(QStringLiteral("beam.dat"));
        const QString window = dir.filePath(QStringLiteral("window.pdf"));
        const QString cli = dir.filePath(QStringLiteral("cli.pdf"));
        {
            MenuRig w(FloorType::Beam);
            w.model = examples::Member(FloorType::Beam, SupportCondition::Continuous,
                                       DesignFire::NonStandard);
            w.menu.designLoads().optContinuous->click();
            w.platform.fileNames = {model};
            QVERIFY(w.menu.mnuSaveAs_Click());
        }
        WriteFile(model + QStringLiteral(".details"),
                  QByteArray::fromStdString(RecordDetailsText(Harbour)));
        MenuRig w(FloorType::Slab);
        w.platform.programDir = QStringLiteral(FD9_DATA_DIR);
        w.platform.fileNames = {model, window};
        w.platform.dialogActions = {TypeHarbour};
        w.menu.mnuOpen_Click();
        w.menu.mnuExportRecord->trigger();
        QCOMPARE(w.platform.boxTexts(), QStringList());

        QProcess run;
        const QDate day = w.platform.date;
        run.start(
            QStringLiteral(FD9_CLI),
            {QStringLiteral("--date"),
             QString::fromStdString(ReportDate(day.year(), day.month(), day.day())),
             QStringLiteral("--data-dir"), QStringLiteral(FD9_DATA_DIR), QStringLiteral("--paper"),
             QStringLiteral("letter"), QStringLiteral("--record"), cli, model});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        const auto undated = [](const QString& path) {
            QByteArrayList lines = Contents(path).split('\n');
            lines.removeIf([](const QByteArray& line) { return line.contains("/CreationDate"); });
            return lines;
        };
        const QByteArrayList fromWindow = undated(window);
        QVERIFY(fromWindow.size() > 100);
        QVERIFY(fromWindow == undated(cli));
    }
};

QTEST_MAIN(tst_files)
#include "tst_files.moc"
