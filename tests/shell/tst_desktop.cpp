// Starting from the desktop: a model file named on the command line, the model file type, and
// the version and data set that About names.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "InstallPaths.h"
#include "Version.h"
#include "dialogs/frmRemoveSteel.h"
#include "dialogs/frmSlabDimensions.h"
#include "files/ModelFile.h"
#include "record/DataProvenance.h"
#include "shell/CommandLine.h"
#include "shell/frmStartup.h"
#include "support/DialogRig.h"

using namespace fd9;

namespace {

const QString Models = QStringLiteral(FD9_TEST_SOURCE_DIR "/tools/cli/models");

// What the user meets after an open: the boxes, the file a save would write, the section
// dialog and the bar list.
QStringList Seen(MenuRig& r) {
    std::ostringstream file;
    WriteModelFile(file, r.model, LoadCombination::NZS4203);
    QStringList seen = r.platform.boxTexts();
    seen << QString::fromStdString(file.str()) << r.menu.slabDimensions().txtSlabDepth->text();
    for (int i = 0; i < r.menu.removeSteel().lstSteelPos->count(); ++i) {
        seen << r.menu.removeSteel().lstSteelPos->item(i)->text();
    }
    return seen;
}

}  // namespace

class tst_desktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // First, before anything asks the MIME database: it reads XDG_DATA_DIRS once.
    void aModelFileIsKnownByItsFirstLineNotByDotDat() {
        QTemporaryDir xdg;
        QVERIFY(QDir(xdg.path()).mkpath(QStringLiteral("mime/packages")));
        QVERIFY(QFile::copy(QStringLiteral(FD9_TEST_SOURCE_DIR "/../packaging/fd9-mime.xml"),
                            xdg.filePath(QStringLiteral("mime/packages/fd9.xml"))));
        qputenv("XDG_DATA_DIRS", (xdg.path() + QStringLiteral(":/usr/share")).toLocal8Bit());
        const QString other = xdg.filePath(QStringLiteral("levels.dat"));
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("1000,150,1\r\n") > 0);
        file.close();
        const QMimeDatabase mime;
        QCOMPARE(mime.mimeTypeForFile(Models + QStringLiteral("/slab.dat")).name(),
                 QStringLiteral("application/x-fd9-model"));
        QVERIFY(mime.mimeTypeForFile(other).name() != QStringLiteral("application/x-fd9-model"));
    }

    void commandLine() {
        QDir::setCurrent(Models);
        const auto parse = [](QStringList arguments) {
            const CommandLine c = ParseCommandLine(QStringList{QStringLiteral("fd9")} + arguments);
            return std::pair(c.modelFile, c.error);
        };
        QCOMPARE(parse({}), std::pair(QString(), QString()));
        QCOMPARE(parse({QStringLiteral("slab.dat")}),
                 std::pair(Models + QStringLiteral("/slab.dat"), QString()));
        QVERIFY(!parse({QStringLiteral("--open")}).second.isEmpty());
        QVERIFY(!parse({QStringLiteral("a.dat"), QStringLiteral("b.dat")}).second.isEmpty());
    }

    // After the disclaimer, exactly what File > Open shows for the same file.
    void aModelNamedAtStartOpensAsFileOpenWould_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bars");
        QTest::newRow("model") << QStringLiteral("slab.dat") << 1;
        QTest::newRow("cut short") << QStringLiteral("short.dat") << 0;
        QTest::newRow("missing") << QStringLiteral("absent.dat") << 0;
        QTest::newRow("no model") << QStringLiteral("../cli_test.sh") << 0;
    }
    void aModelNamedAtStartOpensAsFileOpenWould() {
        QFETCH(QString, name);
        QFETCH(int, bars);
        const QString path = QDir(Models).absoluteFilePath(name);
        MenuRig started(FloorType::Slab);
        frmStartup startup(started.menu, 3000);
        startup.openAfterStart(path);
        startup.tmrPause_Timer();
        MenuRig opened(FloorType::Slab);
        opened.platform.fileNames = {path};
        opened.menu.mnuOpen_Click();

        QCOMPARE(started.platform.boxes.at(0).icon, MsgIcon::Critical);  // the disclaimer
        started.platform.boxes.erase(started.platform.boxes.begin());
        QCOMPARE(Seen(started), Seen(opened));
        QCOMPARE(std::pair(int(started.model.PosSteelCount), started.platform.busyDepth),
                 std::pair(bars, 0));
    }

    void aboutNamesTheVersionAndTheDataSet() {
        MenuRig r(FloorType::Slab);
        r.platform.programDir = QStringLiteral(FD9_DATA_DIR);
        r.menu.mnuAbout->trigger();
        const std::string id = DataSetIdentifier(FD9_DATA_DIR);
        QVERIFY(!id.empty());
        QVERIFY(r.platform.boxes.back().text.endsWith(QStringLiteral("\n\nFD9 %1\n%2 in \"%3\"")
                                                          .arg(QLatin1String(ProgramVersion),
                                                               QString::fromStdString(id),
                                                               QStringLiteral(FD9_DATA_DIR))));
        r.platform.programDir = QStringLiteral("/nonexistent-fd9/bin");
        r.menu.mnuAbout->trigger();
        QVERIFY(r.platform.boxes.back().text.endsWith(
            QStringLiteral("no data set: the temperature data files were not found in the folders "
                           "\"/nonexistent-fd9/bin\", \"/nonexistent-fd9/share/fd9\" and \"%1\"")
                .arg(QLatin1String(InstalledDataDir))));
    }
};

QTEST_MAIN(tst_desktop)
#include "tst_desktop.moc"
