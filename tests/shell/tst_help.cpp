#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "shell/HelpWindow.h"
#include "shell/QtPlatform.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

const QString ShippedHelp = QStringLiteral(FD9_DATA_DIR "/help/FD9.html");
const int MenuContexts[] = {320, 340, 360, 380, 400, 420, 440};

HelpWindow* VisibleHelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(w); help && help->isVisible()) {
            return help;
        }
    }
    return nullptr;
}

}  // namespace

class tst_help : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void helpFileLiesBesideTheProgram_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("file");
        QTest::newRow("folder") << QStringLiteral("/opt/fd9")
                                << QStringLiteral("/opt/fd9/FD9.html");
        QTest::newRow("trailing separator")
            << QStringLiteral("/opt/fd9/") << QStringLiteral("/opt/fd9/FD9.html");
    }

    void helpFileLiesBesideTheProgram() {
        QFETCH(QString, directory);
        QFETCH(QString, file);
        FloorModel model;
        FakePlatform platform;
        platform.programDir = directory;
        frmMenu menu(model, platform);
        QCOMPARE(menu.helpFile(), file);
        menu.mnuContents->trigger();
        QCOMPARE(platform.helpRequests.size(), size_t(1));
        QCOMPARE(platform.helpRequests[0].file, file);
        QCOMPARE(platform.helpRequests[0].contextId, 0);
    }

    void closeBoxQuitsHelpAndExitDoesNot() {
        FloorModel model;
        FakePlatform platform;
        {
            frmMenu menu(model, platform);
            menu.show();
            menu.mnuExit_Click();  // answered No: no save, and help is left alone
            QCOMPARE(platform.helpQuits, 0);
        }
        frmMenu menu(model, platform);
        menu.show();
        menu.close();
        QCOMPARE(platform.helpQuits, 1);
    }

    void everyMenuHasItsTopicInTheShippedHelp() {
        HelpWindow help;
        help.showTopic(ShippedHelp, 0);
        const QString text = help.browser->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Getting started")));
        const QString html = help.browser->toHtml();
        for (int id : MenuContexts) {
            QVERIFY2(html.contains(QStringLiteral("name=\"context%1\"").arg(id)),
                     qPrintable(QString::number(id)));
        }
        // The messages a user meets are explained.
        for (const char* message :
             {"INSULATION HAS NOT BEEN ACHIEVED - INCREASE SLAB THICKNESS.",
              "The calculation has stopped and no verdict has been given.",
              "The file is not a valid FD9 data file.", "FRR is outside valid range!",
              "X Coordinate is invalid!", "Data and Results Printed"}) {
            QVERIFY2(text.contains(QString::fromLatin1(message)), message);
        }
    }

    void contextOpensAtItsTopicAndContentsAtTheTop() {
        HelpWindow help;
        help.resize(500, 300);
        help.showTopic(ShippedHelp, 440);
        QVERIFY(help.isVisible());
        QTRY_VERIFY(help.browser->verticalScrollBar()->value() > 0);
        help.showTopic(ShippedHelp, 0);
        QCOMPARE(help.browser->verticalScrollBar()->value(), 0);
    }

    void aMissingHelpFileIsSaidInTheWindow() {
        HelpWindow help;
        help.showTopic(QStringLiteral("/nonexistent/FD9.html"), 320);
        QVERIFY(help.browser->toPlainText().contains(QStringLiteral("was not found")));
    }

    void platformShowsAndQuitsItsHelpWindow() {
        QtPlatform platform;
        platform.showHelp(ShippedHelp, 360);
        HelpWindow* shown = VisibleHelpWindow();
        QVERIFY(shown);
        platform.showHelp(ShippedHelp, 380);
        QCOMPARE(VisibleHelpWindow(), shown);  // one window, moved to the new topic
        platform.quitHelp();
        QVERIFY(!VisibleHelpWindow());
        platform.quitHelp();  // nothing left to close
    }
};

QTEST_MAIN(tst_help)
#include "tst_help.moc"
