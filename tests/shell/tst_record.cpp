// The window's road to the calculation record: the command, its details dialog, what is kept
// beside the model and in the user's settings, and what the command must leave alone.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "../calc/ExampleMembers.h"
#include "../reliability/ModelFields.h"
#include "dialogs/frmRecordDetails.h"
#include "files/RecordDetailsFile.h"
#include "shell/HelpWindow.h"
#include "support/DialogRig.h"

using namespace fd9;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

frmRecordDetails& Details(QDialog& dialog) {
    return *qobject_cast<frmRecordDetails*>(&dialog);
}

// The user types these and presses Enter.
std::function<void(QDialog&)> Type(const RecordDetails& d) {
    return [d](QDialog& dialog) {
        frmRecordDetails& f = Details(dialog);
        for (auto [field, text] : {std::pair(f.txtProject, d.project),
                                   {f.txtJob, d.job},
                                   {f.txtMember, d.member},
                                   {f.txtEngineer, d.engineer},
                                   {f.txtChecker, d.checker},
                                   {f.txtOrganisation, d.organisation},
                                   {f.txtRevision, d.revision}}) {
            field->setText(QString::fromStdString(" " + text + " "));
        }
        f.txtNote->setPlainText(QString::fromStdString(d.note));
        f.optLetter->click();
        QTest::keyClick(f.txtRevision, Qt::Key_Return);
    };
}

// What the dialog offers before the user changes anything; then Cancel.
std::function<void(QDialog&)> Peek(RecordDetails& seen, bool& letter) {
    return [&seen, &letter](QDialog& dialog) {
        seen = Details(dialog).details();
        letter = Details(dialog).letterPage();
        Details(dialog).cmdCancel->click();
    };
}

const RecordDetails Harbour = {
    "Harbour car park", "2026-114", "Level 2, grid C/4",  "A. Engineer", "B. Checker",
    "Orvan Consulting", "B",        "Slab strip\nSheet 4"};

// A calculated slab on the test temperature tables.
struct Calculated : MenuRig {
    Calculated() : MenuRig(FloorType::Slab) {
        platform.programDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");
        examples::SlabSection(model, 150);
        examples::Loads(model, 6);
        menu.Calculate();
        platform.clear();
    }
    QStringList shown() {
        QStringList texts{menu.lblMessages->text(), QString::fromStdString(menu.TempDataFile),
                          QString::fromStdString(reliability::Describe(model))};
        for (int i = 0; i < ResultLabelCount; ++i) {
            texts << menu.resultLabel(static_cast<ResultLabel>(i))->text();
        }
        return texts;
    }
};

}  // namespace

class tst_record : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        // The user's own settings are never written by a test.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    // The new item comes after Print; every other item keeps its place and its access key, and
    // none is shared. F1 on it opens its own topic.
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
        QCOMPARE(r.platform.helpRequests.back().contextId, CalculationRecordHelpContext);
        QCOMPARE(HelpWindow::anchorFor(CalculationRecordHelpContext),
                 QStringLiteral("calculation-record"));
    }

    // Cancel at any step does nothing; a failed write says why, through the platform. Neither
    // touches the model, the results shown, the message area or TempDataFile.
    void cancelOrFailureLeavesTheWindowAlone() {
        Calculated w;
        QTemporaryDir dir;
        QSettings(QStringLiteral("ORVAN"), QStringLiteral("FD9")).clear();
        const QStringList before = w.shown();
        const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/slab.pdf"));
        const std::function<void(QDialog&)> steps[] = {
            [](QDialog& d) { Details(d).close(); },
            [](QDialog& d) { QTest::keyClick(Details(d).txtNote, Qt::Key_Escape); }, Type(Harbour),
            Type(Harbour)};
        for (int step = 0; step < 4; ++step) {
            w.platform.dialogActions = {steps[step]};
            w.platform.maxBusyDepth = 0;
            w.platform.fileNames = {step == 3 ? std::optional(unwritable) : std::nullopt};
            w.menu.mnuExportRecord->trigger();
            QCOMPARE(w.shown(), before);
            QCOMPARE(w.platform.fileRequests.size(), std::size_t(step >= 2));
            // The busy pointer only while the record is written.
            QCOMPARE(
                std::tuple(w.platform.boxes.size(), w.platform.busyDepth, w.platform.maxBusyDepth),
                std::tuple(std::size_t(step == 3), 0, int(step == 3)));
            QVERIFY(step < 3 || w.platform.boxes[0].text.contains(unwritable));
            QCOMPARE(QSettings(QStringLiteral("ORVAN"), QStringLiteral("FD9")).allKeys().isEmpty(),
                     step < 3);
            w.platform.clear();
        }
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // The project fields come back with the model in a new session, the engineer and the
    // organisation with the user; New clears only the project's. The model file is written as
    // before, and a details file written wrong is named and left for the next record.
    void detailsComeBackWithTheModelAndTheUser() {
        QTemporaryDir dir;
        const QString beam = dir.filePath(QStringLiteral("beam.dat"));
        Calculated w;
        w.platform.fileNames = {beam, dir.filePath(QStringLiteral("out/beam.pdf")), beam};
        w.platform.dialogActions = {Type(Harbour)};
        QVERIFY(w.menu.mnuSaveAs_Click());
        const QByteArray saved = Contents(beam);
        w.menu.mnuExportRecord->trigger();
        QVERIFY(w.menu.mnuSaveAs_Click());
        QCOMPARE(Contents(beam), saved);
        const FileDialogRequest& asked = w.platform.fileRequests[1].request;
        QCOMPARE(std::tuple(asked.fileName, asked.filterIndex, asked.defaultExtension),
                 std::tuple(dir.filePath(QStringLiteral("beam.pdf")), 1, QStringLiteral("pdf")));
        QVERIFY(asked.filter.startsWith(QStringLiteral("PDF Files (*.pdf)|*.pdf|")));
        const QString beside = dir.filePath(QStringLiteral("beam.dat.details"));
        QCOMPARE(Contents(beside).toStdString(), RecordDetailsText(Harbour));

        MenuRig next(FloorType::Slab);
        RecordDetails seen;
        bool letter = false;
        RecordDetails user;
        user.engineer = Harbour.engineer;
        user.organisation = Harbour.organisation;
        next.platform.fileNames = {beam, beam};
        for (const auto& [command, expected] : {std::pair(&frmMenu::mnuOpen_Click, Harbour),
                                                {&frmMenu::mnuNew_Click, user},
                                                {&frmMenu::mnuOpen_Click, Harbour}}) {
            (next.menu.*command)();
            next.platform.dialogActions = {Peek(seen, letter)};
            next.menu.mnuExportRecord->trigger();
            QCOMPARE(std::tuple(seen, letter), std::tuple(expected, true));
        }
        QVERIFY(next.platform.boxes.size() == 1);  // New asked to save

        QFile::remove(beside);
        QVERIFY(QFile::copy(beam, dir.filePath(QStringLiteral("spare.dat"))));
        QFile file(beside);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("projct = Harbour\n") > 0);
        file.close();
        next.platform.clear();
        next.platform.fileNames = {beam, dir.filePath(QStringLiteral("spare.dat"))};
        for (int i = 0; i < 2; ++i) {
            next.menu.mnuOpen_Click();
            next.platform.dialogActions = {Peek(seen, letter)};
            next.menu.mnuExportRecord->trigger();
            QCOMPARE(seen, user);
        }
        QCOMPARE(next.platform.boxes.size(), std::size_t(1));
        QVERIFY(next.platform.boxes[0].text.contains(beside));
        QVERIFY(next.platform.boxes[0].text.contains(QStringLiteral("unknown key")));
    }
};

QTEST_MAIN(tst_record)
#include "tst_record.moc"
