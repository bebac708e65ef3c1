// The file commands under damage and failure: a damaged file either opens or is reported and
// leaves the model as it was; a save that fails leaves the old file byte for byte; and no
// command, succeeding or failing, leaves a file open.
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <random>

#include "../reliability/DescribeSlab.h"
#include "../reliability/ModelFields.h"
#include "../reliability/OpenFiles.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;
using fd9::reliability::DescribeSlab;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
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

}  // namespace

class tst_reliabilityFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void damagedFilesOpenOrLeaveTheModelUntouched() {
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        DescribeSlab(menu);
        const QString good = dir.filePath(QStringLiteral("good.dat"));
        platform.fileNames.push_back(good);
        QVERIFY(menu.mnuSaveAs_Click());
        const QByteArray saved = Contents(good);
        const int openBefore = reliability::OpenFileCount();

        std::mt19937 rng(31);
        int opened = 0;
        int refused = 0;
        for (int trial = 0; trial < 200; ++trial) {
            const QByteArray damaged = Damage(Damage(saved, rng), rng);
            const QString path = dir.filePath(QStringLiteral("damaged.dat"));
            WriteFile(path, damaged);
            platform.boxes.clear();
            platform.fileNames.push_back(path);
            const std::string before = reliability::Describe(model);
            menu.mnuOpen_Click();
            const QString context = QStringLiteral("trial %1: ").arg(trial) +
                                    QString::fromLatin1(damaged.toPercentEncoding(" ,\r\n"));
            if (!platform.boxes.empty()) {
                ++refused;
                const std::string after = reliability::Describe(model);
                QVERIFY2(
                    after == before,
                    qPrintable(context + QStringLiteral("\nreported, yet the model changed:\n") +
                               QString::fromStdString(reliability::Difference(before, after))));
            } else {
                ++opened;
                QVERIFY2(reliability::FirstNonFinite(model).empty(), qPrintable(context));
            }
            QCOMPARE(platform.busyDepth, 0);
        }
        QVERIFY(opened > 0);
        QVERIFY(refused > 0);
        QCOMPARE(reliability::OpenFileCount(), openBefore);
    }

    // The device fills up part-way through the write: the file of that name keeps its bytes.
    void saveThatFailsPartWayLeavesTheOldFile() {
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        DescribeSlab(menu);
        const QString target = dir.filePath(QStringLiteral("slab.dat"));
        const QByteArray old = "\"fd9data\"\r\nthe engineer's earlier model\r\n";
        WriteFile(target, old);
        const int openBefore = reliability::OpenFileCount();

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 40;  // the model file is longer: the write stops part-way
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        platform.fileNames.push_back(target);
        const bool ok = menu.mnuSaveAs_Click();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY2(!ok, Contents(target).constData());
        QCOMPARE(Contents(target), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("slab.dat")});
        QCOMPARE(platform.boxes.size(), std::size_t(1));
        QVERIFY(platform.boxes[0].text.contains(target));
        QCOMPARE(reliability::OpenFileCount(), openBefore);

        // The same save with room to spare replaces the file whole.
        platform.fileNames.push_back(target);
        QVERIFY(menu.mnuSaveAs_Click());
        QVERIFY(Contents(target).startsWith("\"fd9data\"\r\n1000,150,3,"));
        QCOMPARE(reliability::OpenFileCount(), openBefore);
    }

    void saveToAnUnwritablePlaceLeavesWhatIsThere() {
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        DescribeSlab(menu);
        const int openBefore = reliability::OpenFileCount();

        // A folder of that name: the finished temporary file cannot be renamed over it.
        const QString folder = dir.filePath(QStringLiteral("taken.dat"));
        QVERIFY(QDir().mkdir(folder));
        WriteFile(folder + QStringLiteral("/inside"), "kept");
        platform.fileNames.push_back(folder);
        QVERIFY(!menu.mnuSaveAs_Click());
        QCOMPARE(Contents(folder + QStringLiteral("/inside")), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});

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
        QCOMPARE(reliability::OpenFileCount(), openBefore);
    }

    void noCommandLeavesAFileOpen() {
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        platform.programDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");
        frmMenu menu(model, platform);
        DescribeSlab(menu);
        const int openBefore = reliability::OpenFileCount();
        const QString file = dir.filePath(QStringLiteral("m.dat"));
        struct Step {
            const char* name;
            std::function<void()> run;
        };
        const Step steps[] = {
            {"CALCULATE", [&] { menu.Calculate(); }},
            {"save",
             [&] {
                 platform.fileNames.push_back(file);
                 menu.mnuSaveAs_Click();
             }},
            {"open",
             [&] {
                 platform.fileNames.push_back(file);
                 menu.mnuOpen_Click();
             }},
            {"open missing",
             [&] {
                 platform.fileNames.push_back(dir.filePath(QStringLiteral("none.dat")));
                 menu.mnuOpen_Click();
             }},
            {"open damaged",
             [&] {
                 WriteFile(dir.filePath(QStringLiteral("bad.dat")), "\"fd9data\"\r\n1,2,x\r\n");
                 platform.fileNames.push_back(dir.filePath(QStringLiteral("bad.dat")));
                 menu.mnuOpen_Click();
             }},
            {"results file",
             [&] {
                 platform.fileNames.push_back(dir.filePath(QStringLiteral("r.txt")));
                 menu.mnuSaveResultsFile_Click();
             }},
            {"results into a folder",
             [&] {
                 platform.fileNames.push_back(dir.path());
                 menu.mnuSaveResultsFile_Click();
             }},
            {"CALCULATE without data files",
             [&] {
                 platform.programDir = dir.path();
                 menu.Calculate();
             }},
            {"New", [&] { menu.ResetModel(); }},
        };
        for (const Step& step : steps) {
            step.run();
            QVERIFY2(reliability::OpenFileCount() == openBefore, step.name);
        }
    }
};

QTEST_MAIN(tst_reliabilityFiles)
#include "tst_reliabilityFiles.moc"
