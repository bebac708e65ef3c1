// Every file the window writes is the same, byte for byte, under a comma-decimal locale: the
// program runs under the user's locale, and Qt hands it to the C library at start-up.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

#include "../calc/ExampleMembers.h"
#include "dialogs/frmDesignLoads.h"
#include "shell/frmFireExplorer.h"
#include "support/DialogRig.h"

using namespace fd9;

namespace {

const char* const Files[] = {"model.dat", "report.txt", "tables.csv", "chart.svg"};

// A continuous beam typed in as a user would, saved, calculated, reported and explored.
void WriteEveryFile(const QDir& out) {
    MenuRig r(FloorType::Beam);
    auto& [model, platform, menu] = r;
    platform.programDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");
    examples::BeamSection(model);
    examples::Loads(model, 12);
    model.Selected.SupportCondition = SupportCondition::Continuous;
    menu.show();
    frmDesignLoads& loads = menu.designLoads();
    loads.showOrRaise();
    for (auto [field, text] : {std::pair{loads.txtDeadLoad, "5.25"}, {loads.txtSpan, "1.15E1"}}) {
        Type(field, QString::fromLatin1(text));
        PressEnter(field);
    }
    QCOMPARE(std::pair(model.DeadLoad, model.Span), std::pair(5.25f, 11.5f));
    for (const char* name : Files) {
        platform.fileNames.push_back(out.filePath(QString::fromLatin1(name)));
    }
    QVERIFY(menu.mnuSaveAs_Click());
    menu.Calculate();
    menu.mnuSaveResultsFile_Click();
    menu.mnuFireExplorer->trigger();
    menu.fireExplorer().cmdExportTables->click();
    menu.fireExplorer().cmdExportChart->click();
    QCOMPARE(platform.boxTexts().filter(QStringLiteral("could not")), QStringList());
}

}  // namespace

class tst_locale : public QObject {
    Q_OBJECT

private slots:
    // Run again as two children, one under C and one under de_DE.UTF-8, generated into the
    // build tree so the machine's settings stay as they are.
    void everyFileIsTheSameUnderAGermanLocale() {
        if (qEnvironmentVariableIsSet("FD9_OUTPUT_DIR")) {
            const bool comma = *std::localeconv()->decimal_point == ',';
            QCOMPARE(comma, qEnvironmentVariableIsSet("FD9_EXPECT_COMMA"));
            WriteEveryFile(QDir(qEnvironmentVariable("FD9_OUTPUT_DIR")));
            return;
        }
        const QString locales =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../test-locales");
        if (!QDir(locales + QStringLiteral("/de_DE.UTF-8")).exists()) {
            QDir().mkpath(locales);
            QCOMPARE(QProcess::execute(
                         QStringLiteral("localedef"),
                         {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                          QStringLiteral("UTF-8"), locales + QStringLiteral("/de_DE.UTF-8")}),
                     0);
        }
        QTemporaryDir dir;
        for (const char* locale : {"C", "de_DE.UTF-8"}) {
            QDir(dir.path()).mkdir(QString::fromLatin1(locale));
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("LOCPATH"), locales);
            env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
            env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
            env.insert(QStringLiteral("FD9_OUTPUT_DIR"), dir.filePath(QString::fromLatin1(locale)));
            if (*locale != 'C') {
                env.insert(QStringLiteral("FD9_EXPECT_COMMA"), QStringLiteral("1"));
            }
            QProcess child;
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("everyFileIsTheSameUnderAGermanLocale")});
            QVERIFY(child.waitForFinished(120000));
            QCOMPARE(child.exitCode(), 0);
        }
        for (const char* name : Files) {
            QFile c(dir.filePath(QStringLiteral("C/") + QString::fromLatin1(name)));
            QFile de(dir.filePath(QStringLiteral("de_DE.UTF-8/") + QString::fromLatin1(name)));
            QVERIFY(c.open(QIODevice::ReadOnly) && de.open(QIODevice::ReadOnly));
            const QByteArray bytes = c.readAll();
            QVERIFY2(bytes.size() > 100 && bytes == de.readAll(), name);
        }
    }
};

QTEST_MAIN(tst_locale)
#include "tst_locale.moc"
