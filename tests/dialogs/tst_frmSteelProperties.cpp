#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>

#include "dialogs/frmSteelProperties.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

class tst_frmSteelProperties : public QObject {
    Q_OBJECT

    struct App : HostRig<frmSteelProperties> {
        App() { shown(); }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void enterRoundsToAWholeNumberBeforeChecking_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("0.5 rounds to 0") << QStringLiteral("0.5") << true;
        QTest::newRow("0.6 rounds to 1") << QStringLiteral("0.6") << false;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("negative") << QStringLiteral("-500") << true;
        QTest::newRow("too big for 16 bits") << QStringLiteral("32767.5") << true;
        QTest::newRow("largest 16-bit") << QStringLiteral("32767.4") << false;
    }
    void enterRoundsToAWholeNumberBeforeChecking() {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        App app;
        frmSteelProperties& d = app.dialog;
        app.model.PosSteelStrength = 450;
        app.model.NegSteelStrength = 400;
        for (QLineEdit* field : {d.txtSteelPosStrength, d.txtSteelNegStrength}) {
            app.platform.clear();
            Type(field, typed);
            PressEnter(field);
            const QString stored =
                field == d.txtSteelPosStrength ? QStringLiteral(" 450") : QStringLiteral(" 400");
            QCOMPARE(field->text(), refused ? stored : typed);
            QCOMPARE(app.platform.boxTexts(),
                     refused ? QStringList{QStringLiteral("The value entered is not valid")}
                             : QStringList{});
            QCOMPARE(app.platform.beeps, 0);
        }
        // Enter only checks; the strengths wait for OK.
        QCOMPARE(app.model.PosSteelStrength, 450.0f);
        QCOMPARE(app.model.NegSteelStrength, 400.0f);
        QVERIFY(d.isVisible());
    }

    void okStoresStrengthsUnroundedAndTheTypeCodes() {
        App app;
        frmSteelProperties& d = app.dialog;
        d.lstSteelPosType->setCurrentRow(1);
        Type(d.txtSteelPosStrength, QStringLiteral("0.3"));
        Type(d.txtSteelNegStrength, QStringLiteral("435.5"));
        QTest::mouseClick(d.Okbutton, Qt::LeftButton);
        QVERIFY(app.platform.boxes.empty());
        QCOMPARE(app.model.PosSteelStrength, 0.3f);
        QCOMPARE(app.model.NegSteelStrength, 435.5f);
        QCOMPARE(app.model.PosSteelType, 1);
        QCOMPARE(app.model.NegSteelType, 0);
        QVERIFY(!d.isVisible());
    }

    void okWithBothStrengthsInvalidReportsOnlyThePositive() {
        App app;
        frmSteelProperties& d = app.dialog;
        QVERIFY(Activate(d));
        Type(d.txtSteelPosStrength, QStringLiteral("0"));
        Type(d.txtSteelNegStrength, QStringLiteral("-3"));
        d.txtSteelNegStrength->setFocus();
        d.Okbutton->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral("Steel Yield Strength is invalid!")});
        QCOMPARE(app.platform.beeps, 1);
        QCOMPARE(d.txtSteelPosStrength->text(), QStringLiteral(" 300"));
        QCOMPARE(d.txtSteelNegStrength->text(), QStringLiteral("-3"));
        QCOMPARE(QApplication::focusWidget(), d.txtSteelPosStrength);
        QVERIFY(d.isVisible());

        // Now only the negative one is wrong.
        app.platform.clear();
        d.Okbutton->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral("Steel Yield Strength is invalid!")});
        QCOMPARE(d.txtSteelNegStrength->text(), QStringLiteral(" 300"));
        QCOMPARE(QApplication::focusWidget(), d.txtSteelNegStrength);
        QCOMPARE(app.model.PosSteelStrength, 300.0f);
    }

    void okRefusesAStrengthNoFloatCanHold() {
        App app;
        frmSteelProperties& d = app.dialog;
        Type(d.txtSteelPosStrength, QStringLiteral("1E39"));
        d.Okbutton->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral("Steel Yield Strength is invalid!")});
        QCOMPARE(app.model.PosSteelStrength, 300.0f);
        QVERIFY(d.isVisible());
    }

    void okWithoutATypeSelectedAsksForOne() {
        App app;
        frmSteelProperties& d = app.dialog;
        d.lstSteelPosType->clearSelection();
        d.Okbutton->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral("You have not selected a Steel type!")});
        QCOMPARE(app.platform.beeps, 1);
        d.lstSteelPosType->setCurrentRow(0);
        d.lstSteelNegType->clearSelection();
        app.platform.clear();
        d.Okbutton->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral("You have not selected a steel type!")});
        QVERIFY(d.isVisible());
    }

    // A cancelled choice must not stay in effect: the report and the model file name the
    // stored code, so the calculation has to read the same.
    void cancelPutsTheTypeListsBackToTheStoredCodes() {
        for (const char* how : {"Cancel", "Esc", "close box"}) {
            App app;
            frmSteelProperties& d = app.dialog;
            d.show();
            QTest::mouseClick(
                d.lstSteelPosType->viewport(), Qt::LeftButton, {},
                d.lstSteelPosType->visualItemRect(d.lstSteelPosType->item(1)).center());
            QCOMPARE(app.model.Selected.PosSteelType, SteelType::PrestressingStrand);
            Type(d.txtSteelPosStrength, QStringLiteral("1860"));
            if (how == std::string("Cancel")) {
                d.cmdCancel->click();
            } else if (how == std::string("Esc")) {
                QTest::keyClick(&d, Qt::Key_Escape);
            } else {
                d.close();
            }
            QVERIFY2(!d.isVisible(), how);
            QCOMPARE(app.model.Selected.PosSteelType, SteelType::ReinforcingBar);
            QCOMPARE(app.model.PosSteelType, 0);
            QCOMPARE(d.txtSteelPosStrength->text(), QStringLiteral(" 300"));
            QVERIFY(d.lstSteelPosType->item(0)->isSelected());
        }
    }

    void okStoresTheSelectedType() {
        App app;
        frmSteelProperties& d = app.dialog;
        d.show();
        d.lstSteelPosType->item(1)->setSelected(true);
        d.Okbutton->click();
        QCOMPARE(app.model.PosSteelType, 1);
    }

    void showModelValuesWithAnUnknownCodeSelectsNoType() {
        App app;
        frmSteelProperties& d = app.dialog;
        app.model.PosSteelType = 1;
        d.showModelValues();
        // A code with no entry selects none, so OK asks for a type instead of storing it.
        app.model.PosSteelType = 7;
        d.showModelValues();
        QVERIFY(d.lstSteelPosType->selectedItems().isEmpty());
        QCOMPARE(app.model.Selected.PosSteelType, SteelType::PrestressingStrand);
    }
};

QTEST_MAIN(tst_frmSteelProperties)
#include "tst_frmSteelProperties.moc"
