#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dialogs/frmSteelProperties.h"
#include "support/DialogRig.h"

using namespace fd9;

class tst_frmSteelProperties : public QObject {
    Q_OBJECT

    struct App : MenuRig {
        frmSteelProperties* dialog = open(menu.mnuSteel, &frmMenu::steelProperties);
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void enterRoundsToAWholeNumberBeforeChecking_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("0.5 rounds to 0") << QStringLiteral("0.5") << true;
        QTest::newRow("0.6 rounds to 1") << QStringLiteral("0.6") << false;
        QTest::newRow("1.5 rounds to 2") << QStringLiteral("1.5") << false;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("negative") << QStringLiteral("-500") << true;
        QTest::newRow("500 MPa") << QStringLiteral("500") << false;
        QTest::newRow("too big for 16 bits") << QStringLiteral("32767.5") << true;
        QTest::newRow("largest 16-bit") << QStringLiteral("32767.4") << false;
    }
    void enterRoundsToAWholeNumberBeforeChecking() {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        App app;
        frmSteelProperties& d = *app.dialog;
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
        frmSteelProperties& d = *app.dialog;
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
        frmSteelProperties& d = *app.dialog;
        QVERIFY(Activate(d));
        Type(d.txtSteelPosStrength, QStringLiteral("0"));
        Type(d.txtSteelNegStrength, QStringLiteral("-3"));
        d.txtSteelNegStrength->setFocus();
        d.Okbutton->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral("Steel Yield Strength is invalid!")});
        QCOMPARE(app.platform.boxes[0].title, QStringLiteral("ORVAN FD9"));
        QCOMPARE(app.platform.boxes[0].icon, MsgIcon::None);
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
        frmSteelProperties& d = *app.dialog;
        Type(d.txtSteelPosStrength, QStringLiteral("1E39"));
        d.Okbutton->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral("Steel Yield Strength is invalid!")});
        QCOMPARE(app.model.PosSteelStrength, 300.0f);
        QVERIFY(d.isVisible());
    }

    void okWithoutATypeSelectedAsksForOne() {
        App app;
        frmSteelProperties& d = *app.dialog;
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

    void strandsChosenThenCancelStillCountForTheCalculation() {
        App app;
        frmSteelProperties& d = *app.dialog;
        app.model.PosSteelType = 0;
        d.show();
        QTest::mouseClick(d.lstSteelPosType->viewport(), Qt::LeftButton, {},
                          d.lstSteelPosType->visualItemRect(d.lstSteelPosType->item(1)).center());
        QCOMPARE(app.model.Selected.PosSteelType, SteelType::PrestressingStrand);
        Type(d.txtSteelPosStrength, QStringLiteral("1860"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(app.model.Selected.PosSteelType, SteelType::PrestressingStrand);
        QCOMPARE(app.model.PosSteelType, 0);
        QCOMPARE(d.txtSteelPosStrength->text(), QStringLiteral(" 300"));
        QVERIFY(d.lstSteelPosType->item(1)->isSelected());

        // A reset returns the selection to bars; the stored code is the reset's to keep.
        app.model.PosSteelType = 1;
        app.menu.ResetModel();
        QCOMPARE(app.model.Selected.PosSteelType, SteelType::ReinforcingBar);
        QVERIFY(app.menu.steelProperties().lstSteelPosType->item(0)->isSelected());
        QCOMPARE(app.model.PosSteelType, 1);
    }

    void showModelValuesFollowsTheStoredCodes() {
        App app;
        frmSteelProperties& d = *app.dialog;
        app.model.PosSteelStrength = 1670.5f;
        app.model.NegSteelStrength = 500;
        app.model.PosSteelType = 1;
        app.model.NegSteelType = 0;
        d.showModelValues();
        QCOMPARE(d.txtSteelPosStrength->text(), QStringLiteral(" 1670.5"));
        QCOMPARE(d.txtSteelNegStrength->text(), QStringLiteral(" 500"));
        QVERIFY(d.lstSteelPosType->item(1)->isSelected());
        QCOMPARE(app.model.Selected.PosSteelType, SteelType::PrestressingStrand);

        // A code with no entry selects none, so OK asks for a type instead of storing it.
        app.model.PosSteelType = 7;
        d.showModelValues();
        QVERIFY(d.lstSteelPosType->selectedItems().isEmpty());
        QCOMPARE(app.model.Selected.PosSteelType, SteelType::PrestressingStrand);
    }
};

QTEST_MAIN(tst_frmSteelProperties)
#include "tst_frmSteelProperties.moc"
