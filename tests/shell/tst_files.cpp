// The file commands: save, open, the results file and print, also under damage and failure.
// A damaged file either opens or is reported and leaves the model as it was, a save that fails
// leaves the old file byte for byte, and no command leaves a file open or keeps memory.
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextItem>
#include <csignal>
#include <functional>
#include <random>
#include <sstream>

#include "../reliability/DescribeSlab.h"
#include "../reliability/ModelFields.h"
#include "../reliability/OpenFiles.h"
#include "dialogs/FieldNumber.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmRemoveSteel.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "files/ModelFile.h"
#include "files/ResultsReport.h"
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

QStringList Texts(std::initializer_list<QLineEdit*> fields) {
    QStringList texts;
    for (QLineEdit* field : fields) {
        texts << field->text();
    }
    return texts;
}

QStringList Texts(const QList<float>& values) {
    QStringList texts;
    for (float value : values) {
        texts << NumberQText(value);
    }
    return texts;
}

// A model of the floor type as a user leaves it: fields, stored codes, bars and dialog options,
// continuous, under the non-standard fire for a slab or a tee-beam.
void Fill(frmMenu& menu, FloorType type, bool userFactors = false) {
    FloorModel& m = menu.model();
    menu.setFloorType(type);
    menu.setDesignFire(type == FloorType::Slab || type == FloorType::TeeBeam
                           ? DesignFire::NonStandard
                           : DesignFire::Standard);
    m.SectionWidth = type == FloorType::Beam ? 350 : 1000;
    m.SectionDepth = type == FloorType::Beam ? 650 : 175;
    m.OverallDepth = 500;
    m.OverallWidth = 2000;
    m.RibDepth = 380;
    m.RibWidthBot = 120;
    m.RibWidthTop = 160.5f;
    m.PosSteelCount = 2;
    m.PosSteel[0] = {90, 600, 20, 0};
    m.PosSteel[1] = {260, 600, 20, 0};
    m.NegSteelCount = 1;
    m.NegSteel[0] = {175, 45.5f, 16, 0};
    m.PosSteelStrength = 1770;
    m.NegSteelStrength = 430;
    m.ConcreteStrength = 32.5f;
    m.PosSteelType = 1;
    m.ConcreteType = 3;
    m.DeadLoad = 8.25f;
    m.LiveLoad = 3;
    m.DeadLoadFactor = 1.1f;
    m.LiveLoadFactor = 0.3f;
    m.Span = 7.5f;
    m.FRRequired = 90;
    m.FireLoad = 74;
    m.OpeningFactor = 0.08f;
    frmDesignLoads& loads = menu.designLoads();
    loads.optContinuous->click();
    (userFactors ? loads.optUserSpecified : loads.optStorageFloors)->click();
}

QByteArray Damage(QByteArray text, std::mt19937& rng) {
    auto at = [&](qsizetype n) {
        return std::uniform_int_distribution<qsizetype>(0, std::max<qsizetype>(n, 0))(rng);
    };
    switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
        case 0:
            text.truncate(at(text.size()));
            break;
        case 1:
            for (int i = 0, n = 1 + int(at(3)); i < n && !text.isEmpty(); ++i) {
                text[at(text.size() - 1)] = char(at(255));
            }
            break;
        case 2: {
            QList<QByteArray> lines = text.split('\n');
            lines.removeAt(at(lines.size() - 1));
            text = lines.join('\n');
            break;
        }
        default: {
            const qsizetype line = text.indexOf('\n');
            const qsizetype comma = text.indexOf(',', text.indexOf(',', line + 1) + 1);
            static const char* const counts[] = {"-1", "31", "4", "0", "30", "2.5", "x", ""};
            text.replace(comma + 1, text.indexOf(',', comma + 1) - comma - 1,
                         counts[at(std::size(counts) - 1)]);
            break;
        }
    }
    return text;
}

// An A4 page at 300 dpi that records every piece of text painted, with its face, its place on
// the page and its page.
class RecordingPage : public QImage, public QPaintEngine {
public:
    struct Item {
        QString text;
        bool bold;
        QRectF box;
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
        const QFontMetricsF metrics(item.font(), static_cast<QImage*>(this));
        const QRectF logical(p.x(), p.y() - metrics.ascent(),
                             metrics.horizontalAdvance(item.text()), metrics.height());
        const QRectF box = painter()->combinedTransform().mapRect(logical);
        items.push_back({item.text(), item.font().bold(), box, page});
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

// A continuous double-tee with a full group of 30 top bars: a report of two pages and more.
FloorModel ContinuousDoubleTee() {
    FloorModel m = NewModel(FloorType::DoubleTee);
    m.Selected.DesignFire = DesignFire::NonStandard;
    m.SupportCondition = 1;
    m.NegSteelCount = 30;
    for (int row = 0; row < 30; ++row) {
        m.NegSteel[row] = {100.0f + 70 * row, 40, 12, 34};
    }
    return m;
}

}  // namespace

class tst_files : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void everyFloorTypeComesBackInANewSession_data() {
        QTest::addColumn<FloorType>("type");
        QTest::addColumn<bool>("userFactors");
        QTest::addColumn<int>("code");
        QTest::newRow("beam, user factors") << FloorType::Beam << true << 0;
        QTest::newRow("slab, NZS 4203") << FloorType::Slab << false << 1;
        QTest::newRow("double-tee, NZS 4203") << FloorType::DoubleTee << false << 3;
        QTest::newRow("tee-beam, user factors") << FloorType::TeeBeam << true << 2;
    }

    void everyFloorTypeComesBackInANewSession() {
        QFETCH(FloorType, type);
        QFETCH(bool, userFactors);
        QFETCH(int, code);
        const bool nonStandard = type == FloorType::Slab || type == FloorType::TeeBeam;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("model.dat"));
        std::string saved;
        {
            MenuRig r;
            auto& [model, platform, menu] = r;
            Fill(menu, type, userFactors);
            platform.fileNames = {path, std::nullopt};
            QVERIFY(menu.mnuSaveAs_Click());
            const FileDialogRequest& asked = platform.fileRequests.at(0).request;
            QCOMPARE(std::tuple(platform.fileRequests[0].save, asked.title, asked.filter,
                                asked.filterIndex, asked.defaultExtension),
                     std::tuple(true, QStringLiteral("Save Model Data"),
                                QStringLiteral("All Files (*.*)|*.*|Data Files (*.dat)|*.dat"), 2,
                                QStringLiteral("DAT")));
            QVERIFY(platform.boxes.empty());
            QCOMPARE(platform.busyDepth, 0);
            // The stored codes follow the check marks and the support option before writing.
            QCOMPARE(std::tuple(int(model.FloorTypeCode), int(model.FireTypeCode),
                                int(model.SupportCondition)),
                     std::tuple(code, nonStandard ? 1 : 0, 1));
            QCOMPARE(model.LiveLoadFactor, userFactors ? 0.3f : 0.6f);  // storage floors: 0.6
            saved = FileImage(model, userFactors);
            QCOMPARE(Contents(path).toStdString(), saved);
            // The dialog starts from the name it returned last.
            QVERIFY(!menu.mnuSaveAs_Click());
            QCOMPARE(platform.fileRequests.back().request.fileName, path);
        }

        MenuRig r;
        auto& [model, platform, menu] = r;
        // Opened twice: the lists are emptied before they are filled, so no bar shows twice.
        platform.fileNames = {path, path};
        menu.mnuOpen_Click();
        menu.mnuOpen_Click();
        QVERIFY2(platform.boxes.empty(), qPrintable(platform.boxTexts().join(QLatin1Char('|'))));
        QCOMPARE(FileImage(model, userFactors), saved);
        QVERIFY(!platform.fileRequests.at(0).save);
        QCOMPARE(platform.fileRequests[0].request.filterIndex, 2);
        QVERIFY(!menu.cmdUpdateResults->isHidden());
        for (FloorType t :
             {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
            QCOMPARE(menu.mnuFloor[int(t)]->isChecked(), t == type);
        }
        QCOMPARE(menu.mnuNonStandardFire->isChecked(), nonStandard);
        QCOMPARE(menu.mnuStandardFire->isChecked(), !nonStandard);
        QCOMPARE(std::tuple(model.Selected.SupportCondition, model.Selected.PosSteelType,
                            model.Selected.ConcreteType),
                 std::tuple(SupportCondition::Continuous, SteelType::PrestressingStrand,
                            ConcreteType::Dacite));

        const QList<float> ribbed = {500, 2000, 380, 120, 160.5f};
        if (type == FloorType::Beam) {
            frmBeamDimensions& d = menu.beamDimensions();
            QCOMPARE(Texts({d.txtBeamDepth, d.txtBeamWidth}), Texts({650, 350}));
        } else if (type == FloorType::Slab) {
            QCOMPARE(Texts({menu.slabDimensions().txtSlabDepth}), Texts({175}));
        } else if (type == FloorType::DoubleTee) {
            frmDoubleTeeDimensions& d = menu.doubleTeeDimensions();
            QCOMPARE(Texts({d.txtDoubleTeeOverallDepth, d.txtDoubleTeeOverallWidth,
                            d.txtDoubleTeeRibDepth, d.txtDoubleTeeRibWidthBot,
                            d.txtDoubleTeeRibWidthTop}),
                     Texts(ribbed));
        } else {
            frmTeeBeamDimensions& d = menu.teeBeamDimensions();
            QCOMPARE(Texts({d.txtTeeBeamDepth, d.txtTeeBeamWidth, d.txtTeeBeamRibDepth,
                            d.txtTeeBeamRibWidthBot, d.txtTeeBeamRibWidthTop}),
                     Texts(ribbed));
        }

        frmRemoveSteel& lists = menu.removeSteel();
        QCOMPARE(lists.lstSteelPos->count(), 2);
        QCOMPARE(lists.lstSteelNeg->count(), 1);
        QCOMPARE(lists.lstSteelPos->item(1)->text(), SteelListItem(model.PosSteel, 1));
        QCOMPARE(lists.lstSteelNeg->item(0)->text(), SteelListItem(model.NegSteel, 0));

        frmDesignLoads& loads = menu.designLoads();
        QVERIFY(loads.optContinuous->isChecked());
        QCOMPARE(Texts({loads.txtDeadLoad, loads.txtLiveLoad, loads.txtSpan}),
                 Texts({8.25f, 3, 7.5f}));
        QCOMPARE(std::tuple(loads.optUserSpecified->isChecked(), loads.optNZS4203->isChecked(),
                            loads.txtDeadLoadReduction->isEnabled(), loads.optRoofs->isEnabled()),
                 std::tuple(userFactors, !userFactors, userFactors, !userFactors));
        if (userFactors) {
            QCOMPARE(Texts({loads.txtDeadLoadReduction, loads.txtLiveLoadReduction}),
                     Texts({1.1f, 0.3f}));
        } else {
            QVERIFY(loads.optStorageFloors->isChecked());
        }

        frmSteelProperties& steel = menu.steelProperties();
        QCOMPARE(Texts({menu.standardFire().txtFRRequired,
                        menu.concreteProperties().txtCompressiveStrength, steel.txtSteelPosStrength,
                        steel.txtSteelNegStrength}),
                 Texts({90, 32.5f, 1770, 430}));
        QCOMPARE(
            std::tuple(menu.concreteProperties().cboConcreteType->currentIndex(),
                       steel.lstSteelPosType->currentRow(), steel.lstSteelNegType->currentRow()),
            std::tuple(3, 1, 0));
        if (nonStandard) {
            QVERIFY(menu.nonStandardFire().optMedFireLoad->isChecked());
            QVERIFY(menu.nonStandardFire().optOpeningFactor08->isChecked());
        }
        QCOMPARE(platform.busyDepth, 0);
    }

    void cancellingDoesNothing() {
        QTemporaryDir dir;
        MenuRig r;
        auto& [model, platform, menu] = r;
        Fill(menu, FloorType::Beam);
        const std::string before = FileImage(model);

        QVERIFY(!menu.mnuSaveAs_Click());
        menu.mnuOpen_Click();
        menu.mnuSaveResultsFile_Click();
        menu.mnuPrint_Click();
        // New answered Yes and then cancelled keeps the model: nothing was saved.
        platform.answers.push_back(MsgAnswer::Yes);
        menu.mnuNew_Click();

        QCOMPARE(FileImage(model), before);
        QCOMPARE(platform.boxes.size(), size_t(1));  // the save prompt only
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);
        QCOMPARE(platform.busyDepth, 0);
    }

    // A missing file gives two messages; a folder, a device, a pipe or an oversized file is
    // refused at once with one message and the model untouched: reading a pipe or /dev/zero
    // whole would freeze the window.
    void onlyRegularFilesOfAModelsSizeAreOpened() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("folder.dat"));
        QVERIFY(QDir().mkdir(folder));
        const QString pipe = dir.filePath(QStringLiteral("pipe.dat"));
        QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
        const QString huge = dir.filePath(QStringLiteral("huge.dat"));
        QFile hugeFile(huge);
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(1024 * 1024 + 1));
        hugeFile.close();
        const QString refused =
            QStringLiteral("The file %1 cannot be opened: %2. The model is unchanged.");
        const QString notRegular = QStringLiteral("it is not a regular file");
        const QString missing = QStringLiteral("/nonexistent/none.dat");
        const struct {
            QString path;
            QStringList texts;
        } cases[] = {
            {missing,
             {QStringLiteral("The file /nonexistent/none.dat doesn't exist."),
              QStringLiteral("Not a valid file name.")}},
            {folder, {refused.arg(folder, notRegular)}},
            {QStringLiteral("/dev/zero"), {refused.arg(QStringLiteral("/dev/zero"), notRegular)}},
            {pipe, {refused.arg(pipe, notRegular)}},
            {huge,
             {refused.arg(huge,
                          QStringLiteral("it is larger than 1 MiB, which no model file is"))}},
        };
        for (const auto& c : cases) {
            MenuRig r;
            r.model.DeadLoad = 7;
            r.platform.fileNames.push_back(c.path);
            r.menu.mnuOpen_Click();
            QCOMPARE(r.boxes(), c.texts);
            QCOMPARE(r.model.DeadLoad, 7.0f);
            if (c.path == missing) {
                QCOMPARE(std::tuple(r.platform.boxes[0].title, r.platform.boxes[0].icon,
                                    r.platform.boxes[1].icon),
                         std::tuple(QStringLiteral("file message"), MsgIcon::Information,
                                    MsgIcon::Exclamation));
            }
        }
    }

    // The device fills up part-way through the write, from Save As, Exit or New, or the place
    // cannot be written: what is there keeps its bytes, no stray file is left, none is left
    // open, and New stops before its reset.
    void aFailedSaveKeepsTheOldFileAndSaysSo() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("model.dat"));
        const QByteArray old = "\"fd9data\"\r\nthe engineer's earlier model\r\n";
        WriteFile(path, old);
        MenuRig r;
        auto& [model, platform, menu] = r;
        reliability::DescribeSlab(menu);
        const int openBefore = OpenFileCount();
        // A device that fills up after 40 bytes: writes beyond fail as on a full disk, whoever
        // runs the test.
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

        QVERIFY2(!saved, Contents(path).constData());
        QCOMPARE(Contents(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("model.dat")});
        QCOMPARE(platform.boxes.size(), size_t(3));
        QVERIFY(platform.boxes[0].text.contains(path));
        QVERIFY2(platform.boxes[2].text.startsWith(QStringLiteral("The model could not be saved")),
                 qPrintable(platform.boxes[2].text));
        QCOMPARE(platform.boxes[2].title, QStringLiteral("Disk error"));
        QCOMPARE(OpenFileCount(), openBefore);

        platform.answers.push_back(MsgAnswer::Yes);
        platform.fileNames.push_back(dir.filePath(QStringLiteral("no/such/folder/x.dat")));
        menu.mnuNew_Click();
        QCOMPARE(model.PosSteelCount, 3);
        QCOMPARE(platform.boxes.size(), size_t(5));
        QCOMPARE(platform.busyDepth, 0);

        // The same save with room to spare replaces the file whole.
        platform.fileNames.push_back(path);
        QVERIFY(menu.mnuSaveAs_Click());
        QVERIFY(Contents(path).startsWith("\"fd9data\"\r\n1000,150,3,"));

        // A folder of that name: the finished temporary file cannot be renamed over it.
        const QString folder = dir.filePath(QStringLiteral("taken.dat"));
        QVERIFY(QDir().mkdir(folder));
        WriteFile(folder + QStringLiteral("/inside"), "kept");
        platform.fileNames.push_back(folder);
        QVERIFY(!menu.mnuSaveAs_Click());
        QCOMPARE(Contents(folder + QStringLiteral("/inside")), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("model.dat")});

        // A folder nobody may write in; root may write anywhere, so only others can check it.
        if (geteuid() != 0) {
            const QString locked = dir.filePath(QStringLiteral("locked"));
            QVERIFY(QDir().mkdir(locked));
            const QString target = locked + QStringLiteral("/slab.dat");
            WriteFile(target, "old bytes");
            QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            platform.fileNames.push_back(target);
            QVERIFY(!menu.mnuSaveAs_Click());
            QFile::setPermissions(
                locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QCOMPARE(Contents(target), QByteArray("old bytes"));
        }
        QCOMPARE(OpenFileCount(), openBefore);
    }

    // A damaged file either opens or gives its reason and leaves the model, the marks and the
    // results as they were; first four damages with known reasons, then random ones.
    void damagedFilesOpenOrLeaveTheModelUntouched() {
        const QByteArray good =
            "\"fd9data\"\r\n1000,150,1,300,300,25,60,1,0,0\r\n0,0,0,0,0,0,0,0,0\r\n"
            "113.0973,25,25,0,0,2,6,16,1,.4,12,0,37,.04\r\n500\r\n125\r\n12\r\n25\r\n";
        const QString orvan = QStringLiteral("ORVAN FD9");
        const struct {
            QByteArray contents;
            const char* text;
            QString title;
        } known[] = {
            {good.left(good.size() - 8),
             "This file has a non standard end of file marker, or an attempt was made to read "
             "beyond the end of file marker.",
             QStringLiteral("Disk error")},
            {QByteArray(good).replace("1000,150,1,", "1000,150,31,"),
             "it gives 31 bars for one reinforcement group, and a group holds 0 to 30 bars.",
             orvan},
            {QByteArray(good).replace("\r\n125\r\n", "\r\nabc\r\n"),
             "line 6 holds \"abc\" where a number belongs.", orvan},
            {QByteArray(good).replace("fd9data", "FD9DATA"),
             "The file is not a valid FD9 data file.", orvan},
        };
        QTemporaryDir dir;
        MenuRig r;
        auto& [model, platform, menu] = r;
        reliability::DescribeSlab(menu);
        menu.setDesignFire(DesignFire::NonStandard);
        menu.lblSteelTemp->setText(QStringLiteral("512.0"));
        const QString path = dir.filePath(QStringLiteral("damaged.dat"));
        platform.fileNames.push_back(path);
        QVERIFY(menu.mnuSaveAs_Click());
        const QByteArray saved = Contents(path);
        const int openBefore = OpenFileCount();

        std::mt19937 rng(31);
        int opened = 0;
        int refused = 0;
        for (int trial = -4; trial < 200; ++trial) {
            const QByteArray damaged =
                trial < 0 ? known[trial + 4].contents : Damage(Damage(saved, rng), rng);
            WriteFile(path, damaged);
            platform.boxes.clear();
            platform.fileNames.push_back(path);
            if (trial < 0) {
                platform.answers.push_back(MsgAnswer::Retry);  // even Retry cannot read it
            }
            const std::string before = reliability::Describe(model);
            menu.mnuOpen_Click();
            const std::string after = reliability::Describe(model);
            const QString context = QStringLiteral("trial %1: ").arg(trial) +
                                    QString::fromLatin1(damaged.toPercentEncoding(" ,\r\n"));
            QCOMPARE(platform.busyDepth, 0);
            if (platform.boxes.empty()) {
                ++opened;
                QVERIFY2(trial >= 0 && reliability::FirstNonFinite(model).empty(),
                         qPrintable(context));
                continue;
            }
            ++refused;
            QVERIFY2(after == before,
                     qPrintable(context + QStringLiteral("\nreported, yet the model changed:\n") +
                                QString::fromStdString(reliability::Difference(before, after))));
            if (trial < 0) {
                QCOMPARE(platform.boxes.size(), size_t(1));
                QVERIFY2(platform.boxes[0].text.contains(QLatin1String(known[trial + 4].text)),
                         qPrintable(platform.boxes[0].text));
                QCOMPARE(platform.boxes[0].title, known[trial + 4].title);
                QVERIFY(menu.mnuFloor[int(FloorType::Slab)]->isChecked());
                QVERIFY(menu.mnuNonStandardFire->isChecked());
                QCOMPARE(menu.lblSteelTemp->text(), QStringLiteral("512.0"));
            }
        }
        QVERIFY(opened > 0);
        QVERIFY(refused > 4);
        QCOMPARE(OpenFileCount(), openBefore);
    }

    // No command, succeeding or failing, leaves a file open; and over many CALCULATEs and
    // open/save cycles in one main window the heap in use stays flat. A few cycles by default;
    // FD9_SOAK_CYCLES=1000 under valgrind's massif gives the long figure.
    void noCommandLeavesAFileOpenOrKeepsMemory() {
        QTemporaryDir dir;
        MenuRig r;
        auto& [model, platform, menu] = r;
        const QString data = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");
        platform.programDir = data;
        reliability::DescribeSlab(menu);
        const int openBefore = OpenFileCount();
        const QString file = dir.filePath(QStringLiteral("m.dat"));
        const QString bad = dir.filePath(QStringLiteral("bad.dat"));
        WriteFile(bad, "\"fd9data\"\r\n1,2,x\r\n");
        const auto calculate = [&] { menu.Calculate(); };
        const auto save = [&] { QVERIFY(menu.mnuSaveAs_Click()); };
        const auto open = [&] { menu.mnuOpen_Click(); };
        const auto report = [&] { menu.mnuSaveResultsFile_Click(); };
        const struct {
            const char* name;
            QString file;
            std::function<void()> run;
        } steps[] = {
            {"open missing", dir.filePath(QStringLiteral("none.dat")), open},
            {"open damaged", bad, open},
            {"results file", dir.filePath(QStringLiteral("r.txt")), report},
            {"results into a folder", dir.path(), report},
            {"CALCULATE without data files",
             {},
             [&] {
                 platform.programDir = dir.path();
                 menu.Calculate();
                 platform.programDir = data;
             }},
            {"New", {}, [&] { reliability::DescribeSlab(menu); }},
            {"CALCULATE", {}, calculate},
            {"save", file, save},
            {"open", file, open},
        };
        for (const auto& step : steps) {
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
        const int cycles = qEnvironmentVariableIntValue("FD9_SOAK_CYCLES") > 0
                               ? qEnvironmentVariableIntValue("FD9_SOAK_CYCLES")
                               : 60;
        auto spans = [&](const std::function<void()>& command, std::size_t out[3]) {
            auto cycle = [&] {
                platform.fileNames.push_back(file);
                command();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                platform.boxes.clear();
                platform.fileRequests.clear();
            };
            for (int i = 0; i < 200; ++i)
                cycle();
            for (int span = 0; span < 3; ++span) {
                for (int i = 0; span > 0 && i < cycles; ++i)
                    cycle();
                malloc_trim(0);
                out[span] = mallinfo2().uordblks;
            }
        };
        std::size_t saves[3];
        spans(
            [&] {
                menu.Calculate();
                save();
            },
            saves);
        std::size_t opens[3];
        spans(open, opens);
        qInfo("heap in use over %d cycles: CALCULATE and save %zu, %zu, %zu; open %zu, %zu, %zu",
              cycles, saves[0], saves[1], saves[2], opens[0], opens[1], opens[2]);
        QCOMPARE(OpenFileCount(), openBefore);
        if (HeapIsMeasurable) {
            // CALCULATE and save allocate nothing that outlives them: flat to the byte.
            QVERIFY2(saves[2] <= saves[1] + 1024, "CALCULATE or save keeps memory");
            // Open discards and rebuilds the dialogs; Qt's widget machinery keeps a few dozen
            // bytes per rebuild in caches of its own. One leaked model (over a kilobyte) or
            // dialog per open would stand far above this bound.
            QVERIFY2(opens[2] <= opens[1] + 16 * 1024 + 64 * std::size_t(cycles),
                     "open keeps memory");
        }
    }

    // The results file is the report of the model, and one that cannot be written says so. A
    // model opened in a fresh session calculates with the file's settings, and the report's
    // verdict is the one the calculation showed.
    void resultsFileIsTheReportOfTheModel() {
        QTemporaryDir dir;
        MenuRig r;
        auto& [model, platform, menu] = r;
        Fill(menu, FloorType::Beam);
        model.SupportCondition = 1;
        const QString path = dir.filePath(QStringLiteral("Demo.Txt"));
        platform.fileNames = {path, dir.filePath(QStringLiteral("missing/Demo.Txt"))};
        menu.mnuSaveResultsFile_Click();
        QCOMPARE(platform.fileRequests.at(0).request.fileName, QStringLiteral("Demo.Txt"));
        QVERIFY(platform.boxes.empty());
        const QByteArray text = Contents(path);
        QCOMPARE(text.toStdString(), ResultsFileText(model, "6-December-2026"));
        QVERIFY(text.startsWith("Date is 6-December-2026\r\n"));
        QVERIFY(text.contains("The floor type is BEAM\r\nBeam is continuous over supports\r\n"));
        menu.mnuSaveResultsFile_Click();
        QCOMPARE(platform.boxes.size(), size_t(1));
        QVERIFY(platform.boxes[0].text.startsWith(QStringLiteral("The report could not be saved")));
        QCOMPARE(platform.busyDepth, 0);

        MenuRig fresh;
        fresh.platform.programDir = QStringLiteral(FD9_DATA_DIR);
        fresh.platform.fileNames = {
            QStringLiteral(FD9_TEST_SOURCE_DIR "/tools/cli/models/slab.dat"),
            dir.filePath(QStringLiteral("report.txt"))};
        fresh.menu.mnuOpen_Click();
        QVERIFY(fresh.platform.boxes.empty());
        fresh.menu.Calculate();
        QVERIFY(!fresh.platform.boxes.empty());
        const QString verdict = fresh.platform.boxes.back().text.section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(verdict.startsWith(QStringLiteral("STABILITY OF  30 MINUTES")),
                 qPrintable(verdict));
        fresh.menu.mnuSaveResultsFile_Click();
        const QList<QByteArray> lines =
            Contents(dir.filePath(QStringLiteral("report.txt"))).split('\n');
        QCOMPARE(QString::fromLatin1(lines.at(lines.size() - 2).trimmed()), verdict.trimmed());
        QVERIFY(lines.contains("Concrete Type is alluvial quartz (NZS 3101 Type A)\r"));
    }

    // Each line in its face on the page, in order, copy after copy; values of a block share
    // their column, as in the text file.
    void everyLineInItsFaceOnThePageCopyAfterCopy() {
        const std::vector<ReportLine> lines =
            ReportLines(ContinuousDoubleTee(), "6-December-2026", ReportTarget::Printer);
        RecordingPage device;
        QPainter painter(&device);
        const bool painted = PaintReport(
            painter, QSizeF(device.width(), device.height()),
            [&device] {
                ++device.page;
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
        const auto& items = device.items;
        QCOMPARE(items.size(), expected.size());
        int lastPage = 0;
        double lastTop = -1;
        for (std::size_t i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i].text, expected[i].first);
            QCOMPARE(items[i].bold, expected[i].second);
            QVERIFY2(device.rect().toRectF().contains(items[i].box), qPrintable(items[i].text));
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

    // Cancel prints nothing, a failing printer is reported, and the chosen one prints and says
    // so.
    void printsToTheChosenPrinterAndSaysSo() {
        QTemporaryDir dir;
        FloorModel model;
        PdfPlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        menu.mnuPrint_Click();  // cancelled
        QCOMPARE(platform.printDialogs, 1);
        QVERIFY(platform.boxes.empty());
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
        QVERIFY(pdf.startsWith("%PDF"));
        // Headings in a bold face, the rest in the regular one.
        QVERIFY(pdf.contains("/BaseFont /") && pdf.contains("-Bold\n"));
        QVERIFY(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                    pdf.count("/Type /Page>") + pdf.count("/Type /Page ") >=
                2);
    }
};

QTEST_MAIN(tst_files)
#include "tst_files.moc"
