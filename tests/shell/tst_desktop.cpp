// Starting from the desktop: a model named on the command line, and About.
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <sstream>

#include "Version.h"
#include "dialogs/frmRemoveSteel.h"
#include "files/ModelFile.h"
#include "record/DataProvenance.h"
#include "shell/CommandLine.h"
#include "shell/frmStartup.h"
#include "support/DialogRig.h"

using namespace fd9;

namespace {

const QString Models = QStringLiteral(FD9_TEST_SOURCE_DIR "/tools/cli/models/");

// The boxes, the file a save would write and the bar list.
QStringList Seen(MenuRig& r) {
    std::ostringstream file;
    WriteModelFile(file, r.model, LoadCombination::NZS4203);
    QListWidget* bars = r.menu.removeSteel().lstSteelPos;
    QStringList seen = r.platform.boxTexts() << QString::fromStdString(file.str());
    for (int i = 0; i < bars->count(); ++i) {
        seen << bars->item(i)->text();
    }
    return seen;
}

}  // namespace

class tst_desktop : public QObject {
    Q_OBJECT

private slots:
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
        QDir::setCurrent(Models);
        const CommandLine command = ParseCommandLine({QStringLiteral("fd9"), name});
        MenuRig started(FloorType::Slab);
        frmStartup startup(started.menu, 3000);
        startup.openAfterStart(command.modelFile);
        startup.tmrPause_Timer();
        MenuRig opened(FloorType::Slab);
        opened.platform.fileNames = {QDir(Models).absoluteFilePath(name)};
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
        const QString text = r.platform.boxes.back().text;
        QVERIFY2(text.contains(QLatin1String(ProgramVersion)) &&
                     text.contains(QString::fromStdString(DataSetIdentifier(FD9_DATA_DIR))),
                 qPrintable(text));
    }
};

QTEST_MAIN(tst_desktop)
#include "tst_desktop.moc"
