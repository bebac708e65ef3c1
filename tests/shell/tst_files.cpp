#include <sys/resource.h>
#include <sys/stat.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sstream>

#include "files/ModelFile.h"
#include "files/ResultsReport.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Everything a model file keeps, as text, to see whether a model changed.
std::string FileImage(const FloorModel& model) {
    std::ostringstream out;
    WriteModelFile(out, model, LoadCombination::NZS4203);
    return out.str();
}

void FillContinuousBeam(frmMenu& menu) {
    FloorModel& m = menu.model();
    menu.setFloorType(FloorType::Beam);
    menu.setDesignFire(DesignFire::NonStandard);
    m.Selected.SupportCondition = SupportCondition::Continuous;
    m.SectionWidth = 350;
    m.SectionDepth = 650;
    m.PosSteelCount = 3;
    m.PosSteel[0] = {50, 600, 20, 0};
    m.PosSteel[1] = {175, 600, 20, 0};
    m.PosSteel[2] = {300, 600, 20, 0};
    m.NegSteelCount = 2;
    m.NegSteel[0] = {60, 45, 16, 0};
    m.NegSteel[1] = {290, 45, 16, 0};
    m.PosSteelStrength = 430;
    m.ConcreteStrength = 32.5f;
    m.PosSteelType = 0;
    m.ConcreteType = 0;
    m.DeadLoad = 8;
    m.LiveLoad = 3;
    m.DeadLoadFactor = 1;
    m.Span = 7.5f;
    m.FireLoad = 74;
    m.OpeningFactor = 0.08f;
    m.FRRequired = 90;
}

}  // namespace

class tst_files : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void saveAsAsksForADataFileAndWritesTheModel() {
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        FillContinuousBeam(menu);
        const QString path = dir.filePath(QStringLiteral("beam.dat"));
        platform.fileNames.push_back(path);

        QVERIFY(menu.mnuSaveAs_Click());

        QCOMPARE(platform.fileRequests.size(), size_t(1));
        const FakePlatform::FileRequest& asked = platform.fileRequests[0];
        QVERIFY(asked.save);
        QCOMPARE(asked.request.title, QStringLiteral("Save Model Data"));
        QCOMPARE(asked.request.filter,
                 QStringLiteral("All Files (*.*)|*.*|Data Files (*.dat)|*.dat"));
        QCOMPARE(asked.request.filterIndex, 2);
        QCOMPARE(asked.request.defaultExtension, QStringLiteral("DAT"));
        QVERIFY(platform.boxes.empty());
        QCOMPARE(platform.busyDepth, 0);
        // The stored codes follow the check marks and the support option before writing.
        QCOMPARE(model.FloorTypeCode, 0);
        QCOMPARE(model.FireTypeCode, 1);
        QCOMPARE(model.SupportCondition, 1);
        QCOMPARE(Contents(path).toStdString(), FileImage(model));

        // The dialog starts from the name it returned last.
        platform.fileNames.push_back(std::nullopt);
        QVERIFY(!menu.mnuSaveAs_Click());
        QCOMPARE(platform.fileRequests.back().request.fileName, path);
    }

    void cancellingDoesNothing() {
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        FillContinuousBeam(menu);
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

    void aFileThatCannotBeReadLeavesEverythingAsItWas_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("title");

        const QByteArray good =
            "\"fd9data\"\r\n1000,150,1,300,300,25,60,1,0,0\r\n0,0,0,0,0,0,0,0,0\r\n"
            "113.0973,25,25,0,0,2,6,16,1,.4,12,0,37,.04\r\n500\r\n125\r\n12\r\n25\r\n";
        QTest::newRow("ends early")
            << good.left(good.size() - 8)
            << QStringList{QStringLiteral(
                   "This file has a non standard end of file marker, or an attempt was made to "
                   "read beyond the end of file marker.")}
            << QStringLiteral("Disk error");
        QByteArray count31 = good;
        count31.replace("1000,150,1,", "1000,150,31,");
        QTest::newRow("31 bars") << count31
                                 << QStringList{QStringLiteral(
                                        "it gives 31 bars for one reinforcement group, and a "
                                        "group holds 0 to 30 bars.")}
                                 << QStringLiteral("ORVAN FD9");
        QByteArray word = good;
        word.replace("\r\n125\r\n", "\r\nabc\r\n");
        QTest::newRow("not a number")
            << word << QStringList{QStringLiteral("line 6 holds \"abc\" where a number belongs.")}
            << QStringLiteral("ORVAN FD9");
        QByteArray capitals = good;
        capitals.replace("fd9data", "FD9DATA");
        QTest::newRow("capitals") << capitals
                                  << QStringList{QStringLiteral(
                                         "The file is not a valid FD9 data file.")}
                                  << QStringLiteral("ORVAN FD9");
    }

    void aFileThatCannotBeReadLeavesEverythingAsItWas() {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, texts);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.dat"));
        WriteFile(path, contents);
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        FillContinuousBeam(menu);
        menu.lblSteelTemp->setText(QStringLiteral("512.0"));
        const std::string before = FileImage(model);
        platform.fileNames.push_back(path);
        platform.answers.push_back(MsgAnswer::Retry);  // even Retry cannot read a short file

        menu.mnuOpen_Click();

        QCOMPARE(platform.boxes.size(), size_t(texts.size()));
        for (int i = 0; i < texts.size(); ++i) {
            QVERIFY2(platform.boxes[i].text.contains(texts[i]), qPrintable(platform.boxes[i].text));
            QCOMPARE(platform.boxes[i].title, title);
        }
        QCOMPARE(FileImage(model), before);
        QVERIFY(menu.mnuFloor[int(FloorType::Beam)]->isChecked());
        QVERIFY(menu.mnuNonStandardFire->isChecked());
        QCOMPARE(menu.lblSteelTemp->text(), QStringLiteral("512.0"));
        QCOMPARE(platform.busyDepth, 0);
        // The file was released: it can be replaced at once.
        QVERIFY(QFile::remove(path));
    }

    void aMissingFileGivesTwoMessages() {
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        const QString path = QStringLiteral("/nonexistent/none.dat");
        platform.fileNames.push_back(path);
        menu.mnuOpen_Click();
        QCOMPARE(platform.boxes.size(), size_t(2));
        QCOMPARE(platform.boxes[0].text,
                 QStringLiteral("The file /nonexistent/none.dat doesn't exist."));
        QCOMPARE(platform.boxes[0].title, QStringLiteral("file message"));
        QCOMPARE(platform.boxes[0].icon, MsgIcon::Information);
        QCOMPARE(platform.boxes[1].text, QStringLiteral("Not a valid file name."));
        QCOMPARE(platform.boxes[1].icon, MsgIcon::Exclamation);
    }

    // A folder, a device, a pipe or an oversized file is refused at once with one message and
    // the model untouched; reading a pipe or /dev/zero whole would freeze the window.
    void onlyRegularFilesOfAModelsSizeAreOpened() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("folder.dat"));
        QVERIFY(QDir().mkdir(folder));
        const QString pipe = dir.filePath(QStringLiteral("pipe.dat"));
        QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
        const QString huge = dir.filePath(QStringLiteral("huge.dat"));
        {
            QFile file(huge);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(1024 * 1024 + 1));
        }
        const struct {
            QString path;
            const char* why;
        } cases[] = {{folder, "it is not a regular file"},
                     {QStringLiteral("/dev/zero"), "it is not a regular file"},
                     {pipe, "it is not a regular file"},
                     {huge, "it is larger than 1 MiB, which no model file is"}};
        for (const auto& c : cases) {
            FloorModel model;
            FakePlatform platform;
            frmMenu menu(model, platform);
            menu.ResetModel();
            model.DeadLoad = 7;
            platform.clear();
            platform.fileNames.push_back(c.path);
            menu.mnuOpen_Click();
            QCOMPARE(platform.boxTexts(),
                     QStringList(QStringLiteral("The file %1 cannot be opened: %2. The model is "
                                                "unchanged.")
                                     .arg(c.path, QLatin1String(c.why))));
            QCOMPARE(model.DeadLoad, 7.0f);
        }
    }

    void aFailedSaveKeepsTheOldFileAndSaysSo() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("model.dat"));
        const QByteArray old = "old contents that must survive\r\n";
        WriteFile(path, old);
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        FillContinuousBeam(menu);
        model.PosSteelCount = 30;

        // A device that fills up after a few bytes: writes beyond the limit fail as on a full
        // disk, whoever runs the test.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        platform.fileNames.push_back(path);
        platform.answers.push_back(MsgAnswer::Yes);  // Exit: save first
        menu.mnuExit_Click();
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(Contents(path), old);
        QCOMPARE(platform.boxes.size(), size_t(2));
        QVERIFY2(platform.boxes[1].text.startsWith(QStringLiteral("The model could not be saved")),
                 qPrintable(platform.boxes[1].text));
        QCOMPARE(platform.boxes[1].title, QStringLiteral("Disk error"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("model.dat")});

        // New stops before its reset when the save fails.
        platform.answers.push_back(MsgAnswer::Yes);
        platform.fileNames.push_back(dir.filePath(QStringLiteral("no/such/folder/x.dat")));
        menu.mnuNew_Click();
        QCOMPARE(model.PosSteelCount, 30);
        QCOMPARE(platform.boxes.size(), size_t(4));
        QCOMPARE(platform.busyDepth, 0);
    }

    void resultsFileIsTheReportOfTheModel() {
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        FillContinuousBeam(menu);
        model.SupportCondition = 1;
        const QString path = dir.filePath(QStringLiteral("Demo.Txt"));
        platform.fileNames.push_back(path);

        menu.mnuSaveResultsFile_Click();

        QCOMPARE(platform.fileRequests.at(0).request.fileName, QStringLiteral("Demo.Txt"));
        QVERIFY(platform.boxes.empty());
        const QByteArray text = Contents(path);
        QCOMPARE(text.toStdString(), ResultsFileText(model, "6-December-2026"));
        QVERIFY(text.startsWith("Date is 6-December-2026\r\n"));
        QVERIFY(text.contains("The floor type is BEAM\r\nBeam is continuous over supports\r\n"));

        platform.fileNames.push_back(dir.filePath(QStringLiteral("missing/Demo.Txt")));
        menu.mnuSaveResultsFile_Click();
        QCOMPARE(platform.boxes.size(), size_t(1));
        QVERIFY(platform.boxes[0].text.startsWith(QStringLiteral("The report could not be saved")));
        QCOMPARE(platform.busyDepth, 0);
    }
};

QTEST_MAIN(tst_files)
#include "tst_files.moc"
