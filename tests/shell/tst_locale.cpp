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
using namespace Qt::StringLiterals;

namespace {

const QStringList Files{u"model.dat"_s, u"report.txt"_s, u"tables.csv"_s, u"chart.svg"_s,
                        u"record.pdf"_s};

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
    for (auto [field, text] :
         {std::pair{loads.txtDeadLoad, u"5.25"_s}, {loads.txtSpan, u"1.15E1"_s}}) {
        Type(field, text);
        PressEnter(field);
    }
    QCOMPARE(std::pair(model.DeadLoad, model.Span), std::pair(5.25f, 11.5f));
    for (const QString& name : Files) {
        platform.fileNames.push_back(out.filePath(name));
    }
    QVERIFY(menu.mnuSaveAs_Click());
    menu.Calculate();
    menu.mnuSaveResultsFile_Click();
    menu.mnuFireExplorer->trigger();
    menu.fireExplorer().cmdExportTables->click();
    menu.fireExplorer().cmdExportChart->click();
    platform.dialogActions = {[](QDialog& d) { d.accept(); }};
    menu.mnuExportRecord_Click();
    QCOMPARE(platform.boxTexts().filter(u"could not"_s), QStringList());
}

}  // namespace

class tst_locale : public QObject {
    Q_OBJECT

private slots:
    // Run again as two children, one under C and one under de_DE.UTF-8, generated into the
    // build tree so the machine's settings stay as they are.
    void everyFileIsTheSameUnderAGermanLocale() {
        const QByteArray locale = qgetenv("LC_ALL");
        if (qEnvironmentVariableIsSet("FD9_OUTPUT_DIR")) {
            QCOMPARE(*std::localeconv()->decimal_point, locale == "C" ? '.' : ',');
            WriteEveryFile(QDir(qEnvironmentVariable("FD9_OUTPUT_DIR")));
            return;
        }
        const QString locales = QCoreApplication::applicationDirPath() + u"/../test-locales"_s;
        if (!QDir(locales + u"/de_DE.UTF-8"_s).exists()) {
            QDir().mkpath(locales);
            const QStringList define =
                (u"-i de_DE -f UTF-8 "_s + locales + u"/de_DE.UTF-8"_s).split(u' ');
            QCOMPARE(QProcess::execute(u"localedef"_s, define), 0);
        }
        QTemporaryDir dir;
        for (const QString& locale : {u"C"_s, u"de_DE.UTF-8"_s}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"LOCPATH"_s, locales);
            env.insert(u"LC_ALL"_s, locale);
            env.insert(u"LANG"_s, locale);
            env.insert(u"FD9_OUTPUT_DIR"_s, dir.filePath(locale));
            env.insert(u"XDG_CONFIG_HOME"_s, dir.filePath(u"config"_s));  // never the user's
            QDir(dir.path()).mkdir(locale);
            QProcess child;
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(QTest::currentTestFunction())});
            QVERIFY(child.waitForFinished(120000) && child.exitCode() == 0);
        }
        for (const QString& name : Files) {
            QFile c(dir.filePath(u"C/"_s + name));
            QFile de(dir.filePath(u"de_DE.UTF-8/"_s + name));
            QVERIFY(c.open(QIODevice::ReadOnly) && de.open(QIODevice::ReadOnly));
            // The record differs in the moment it was made, and only there.
            const auto undated = [](QFile& file) {
                QList<QByteArray> lines = file.readAll().split('\n');
                lines.removeIf(
                    [](const QByteArray& line) { return line.contains("/CreationDate"); });
                return lines.join('\n');
            };
            const QByteArray bytes = undated(c);
            QVERIFY2(bytes.size() > 100 && bytes == undated(de), qPrintable(name));
        }
    }
};

QTEST_MAIN(tst_locale)
#include "tst_locale.moc"
