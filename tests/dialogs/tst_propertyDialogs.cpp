#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmExpose.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

class tst_propertyDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void concreteCancelShowsWhatEnterStoredAndPutsTheTypeBack() {
        HostRig<frmConcreteProperties> app;
        frmConcreteProperties& d = app.shown();
        Type(d.txtCompressiveStrength, QStringLiteral("40"));
        PressEnter(d.txtCompressiveStrength);
        Type(d.txtCompressiveStrength, QStringLiteral("55"));
        d.cboConcreteType->setCurrentIndex(4);
        QCOMPARE(app.model.Selected.ConcreteType, ConcreteType::Pumice);  // counts at once
        d.cmdCancel->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(app.model.ConcreteStrength, 40.0f);
        QCOMPARE(d.txtCompressiveStrength->text(), QStringLiteral(" 40"));
        QCOMPARE(app.model.Selected.ConcreteType, ConcreteType::AlluvialQuartz);
        QCOMPARE(d.cboConcreteType->currentIndex(), 2);
        d.showOrRaise();
        d.cboConcreteType->setCurrentIndex(1);
        d.cmdOK->click();
        QCOMPARE(app.model.ConcreteType, 1);
    }

    // Each refusal beeps, resets the field and holds the focus there: the positive first.
    void steelOkRefusesOneStrengthOrTypeAtATimeThenStores() {
        HostRig<frmSteelProperties> app;
        frmSteelProperties& d = app.shown();
        QVERIFY(Activate(d));
        Type(d.txtSteelPosStrength, QStringLiteral("0"));
        Type(d.txtSteelNegStrength, QStringLiteral("1E39"));
        d.txtSteelNegStrength->setFocus();
        const auto ok = [&] {
            app.platform.clear();
            d.Okbutton->click();
            return std::tuple(app.boxes().value(0), app.platform.beeps,
                              QApplication::focusWidget());
        };
        const QString bad = QStringLiteral("Steel Yield Strength is invalid!");
        QCOMPARE(ok(), std::tuple(bad, 1, static_cast<QWidget*>(d.txtSteelPosStrength)));
        QCOMPARE(d.txtSteelPosStrength->text(), QStringLiteral(" 300"));
        QCOMPARE(d.txtSteelNegStrength->text(), QStringLiteral("1E39"));
        QCOMPARE(ok(), std::tuple(bad, 1, static_cast<QWidget*>(d.txtSteelNegStrength)));
        QCOMPARE(d.txtSteelNegStrength->text(), QStringLiteral(" 300"));
        d.lstSteelPosType->clearSelection();
        QCOMPARE(ok(), std::tuple(QStringLiteral("You have not selected a Steel type!"), 1,
                                  static_cast<QWidget*>(d.lstSteelPosType)));
        d.lstSteelPosType->setCurrentRow(0);
        d.lstSteelNegType->clearSelection();
        QCOMPARE(ok(), std::tuple(QStringLiteral("You have not selected a steel type!"), 1,
                                  static_cast<QWidget*>(d.lstSteelNegType)));
        // Then OK stores the strengths unrounded, and the type codes.
        d.lstSteelNegType->setCurrentRow(0);
        d.lstSteelPosType->setCurrentRow(1);
        Type(d.txtSteelPosStrength, QStringLiteral("0.3"));
        Type(d.txtSteelNegStrength, QStringLiteral("435.5"));
        QTest::mouseClick(d.Okbutton, Qt::LeftButton);
        QCOMPARE(app.model.PosSteelStrength, 0.3f);
        QCOMPARE(app.model.NegSteelStrength, 435.5f);
        QCOMPARE(app.model.PosSteelType, 1);
        QCOMPARE(app.model.NegSteelType, 0);
        QVERIFY(!d.isVisible());
    }

    // A cancelled choice must not stay in effect: the report and the model file name the
    // stored code, so the calculation has to read the same.
    void steelCancelPutsTheTypeListsBackToTheStoredCodes() {
        for (const char* how : {"Cancel", "Esc", "close box"}) {
            HostRig<frmSteelProperties> app;
            frmSteelProperties& d = app.shown();
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
        // A code with no entry selects none, so OK asks for a type instead of storing it.
        HostRig<frmSteelProperties> app;
        app.model.PosSteelType = 1;
        app.dialog.showModelValues();
        app.model.PosSteelType = 7;
        app.dialog.showModelValues();
        QVERIFY(app.dialog.lstSteelPosType->selectedItems().isEmpty());
        QCOMPARE(app.model.Selected.PosSteelType, SteelType::PrestressingStrand);
    }

    void loadsShortSpanPassesEnterButNotLeaving() {
        HostRig<frmDesignLoads> app;
        frmDesignLoads& d = app.shown();
        QVERIFY(Activate(d));
        d.txtSpan->setFocus();
        Type(d.txtSpan, QStringLiteral("0.5"));
        PressEnter(d.txtSpan);
        QCOMPARE(app.model.Span, 0.5f);
        // Leaving for a field that is itself wrong must not refuse that one too.
        d.txtDeadLoad->setText(QStringLiteral("0"));
        d.txtDeadLoad->setFocus(Qt::MouseFocusReason);
        QCOMPARE(app.boxes(), QStringList{QStringLiteral("Span is invalid!")});
        QCOMPARE(d.txtSpan->text(), QStringLiteral(" 5"));
        QCOMPARE(QApplication::focusWidget(), d.txtSpan);
        QCOMPARE(app.model.Span, 0.5f);
    }

    void loadsCategoriesWriteTheirFactorAndOkStoresIt() {
        HostRig<frmDesignLoads> app;
        frmDesignLoads& d = app.shown();
        // A new dialog leaves everything enabled until an option is clicked.
        QVERIFY(d.optNZS4203->isChecked() && d.txtLiveLoadReduction->isEnabled());
        d.optUserSpecified->click();
        QVERIFY(d.lblDeadLoadReduction->isEnabled() && !d.optRoofs->isEnabled());
        d.optNZS4203->click();
        QVERIFY(!d.txtLiveLoadReduction->isEnabled() && d.optStorageFloors->isEnabled());
        app.model.LiveLoadFactor = 0.7f;
        const std::pair<QRadioButton*, QString> cases[] = {
            {d.optStorageFloors, QStringLiteral("0.6")},
            {d.optDomesticFloors, QStringLiteral("0.4")},
            {d.optRoofs, QStringLiteral("0")},
        };
        for (const auto& [option, text] : cases) {
            d.txtLiveLoadReduction->setText(QStringLiteral("x"));
            option->click();
            QCOMPARE(d.txtLiveLoadReduction->text(), text);
        }
        QCOMPARE(app.model.LiveLoadFactor, 0.7f);  // only OK stores
        d.txtDeadLoadReduction->setText(QStringLiteral("5"));
        d.txtLiveLoadReduction->setText(QStringLiteral("9"));
        // OK stores the load fields it checks, and goes on after refusing one.
        app.model.DeadLoad = 3;
        Type(d.txtDeadLoad, QStringLiteral("0"));
        Type(d.txtSpan, QStringLiteral("-1"));
        d.cmdOK->click();
        QCOMPARE(app.boxes(), (QStringList{QStringLiteral("Span is invalid!"),
                                           QStringLiteral("Dead Load is invalid!")}));
        QCOMPARE(app.model.DeadLoad, 3.0f);
        QCOMPARE(d.txtDeadLoad->text(), QStringLiteral(" 0"));
        QCOMPARE(app.model.LiveLoad, 16.0f);
        QCOMPARE(app.model.LiveLoadFactor, 0.0f);
        QCOMPARE(app.model.DeadLoadFactor, 1.0f);
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral("5"));
        QVERIFY(!d.isVisible());
    }

    void loadsBothUserFactorsZeroIsRefusedThenASecondOkCloses() {
        HostRig<frmDesignLoads> app;
        frmDesignLoads& d = app.shown();
        d.optUserSpecified->click();
        d.optContinuous->click();
        QCOMPARE(app.model.Selected.SupportCondition, SupportCondition::Continuous);
        Type(d.txtDeadLoadReduction, QStringLiteral("0"));
        Type(d.txtLiveLoadReduction, QStringLiteral("0"));
        d.cmdOK->click();
        QCOMPARE(app.boxes(),
                 QStringList{QStringLiteral(
                     "Both Dead Load and Live Load Reduction Factors cannot be zero.")});
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral(" 1"));
        QCOMPARE(d.txtLiveLoadReduction->text(), QStringLiteral(" .4"));
        QCOMPARE(app.model.SupportCondition, 0);  // the choice counts at once, OK stores it
        QVERIFY(d.isVisible());
        d.cmdOK->click();
        QCOMPARE(app.model.DeadLoadFactor, 1.0f);
        QCOMPARE(app.model.LiveLoadFactor, 0.4f);
        QCOMPARE(app.model.SupportCondition, 1);
        QVERIFY(!d.isVisible());
    }

    void roundDownFRR() {
        const std::pair<int, int> cases[] = {{-5, 0},    {0, 0},     {29, 0},     {30, 30},
                                             {59, 30},   {60, 60},   {89, 60},    {90, 90},
                                             {119, 90},  {120, 120}, {179, 120},  {180, 180},
                                             {239, 180}, {240, 240}, {32767, 240}};
        for (const auto& [before, after] : cases) {
            FloorModel model;
            model.FRRequired = static_cast<std::int16_t>(before);
            RoundDownFRR(model);
            QCOMPARE(int(model.FRRequired), after);
        }
    }

    void standardFireOkRefusedStores60AndCancelKeepsTheFire() {
        HostRig<frmStandardFire> app;
        frmStandardFire& d = app.shown();
        app.host.setDesignFire(DesignFire::NonStandard);
        Type(d.txtFRRequired, QStringLiteral("500"));
        d.cmdOK->click();
        QCOMPARE(app.boxes(), QStringList{QStringLiteral("FRR is outside valid range!")});
        QCOMPARE(int(app.model.FRRequired), 60);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::Standard);
        QVERIFY(!d.isVisible());
        // Cancel shows the stored rating again and keeps the fire.
        Type(d.txtFRRequired, QStringLiteral("100"));
        d.cmdOK->click();
        app.host.setDesignFire(DesignFire::NonStandard);
        d.showOrRaise();
        Type(d.txtFRRequired, QStringLiteral("180"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.txtFRRequired->text(), QStringLiteral(" 90"));
        QCOMPARE(int(app.model.FRRequired), 90);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::NonStandard);
    }

    void nonStandardFireOkEnterAndEsc() {
        HostRig<frmNonStandardFire> app;
        frmNonStandardFire& d = app.shown();
        d.optMedFireLoad->click();
        d.optOpeningFactor08->click();
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(int(app.model.FireLoad), 0);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::Standard);
        d.showOrRaise();
        PressEnter(d.optOpeningFactor08);  // Enter presses OK
        QVERIFY(!d.isVisible());
        QCOMPARE(int(app.model.FireLoad), 74);
        QCOMPARE(app.model.OpeningFactor, 0.08f);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::NonStandard);
        // OK with the defaults of a new dialog.
        HostRig<frmNonStandardFire> fresh;
        fresh.shown().cmdOK->click();
        QCOMPARE(int(fresh.model.FireLoad), 37);
        QCOMPARE(fresh.model.OpeningFactor, 0.04f);
        QCOMPARE(fresh.model.Selected.DesignFire, DesignFire::NonStandard);
    }

    void nonStandardFireValuesWithoutAnOptionSelectNoneAndOkKeepsThem() {
        HostRig<frmNonStandardFire> app;
        frmNonStandardFire& d = app.shown();
        app.model.FireLoad = 50;
        app.model.OpeningFactor = 0.05f;
        d.showModelValues();
        for (QRadioButton* option : d.findChildren<QRadioButton*>()) {
            QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
        }
        d.cmdOK->click();
        QCOMPARE(int(app.model.FireLoad), 50);
        QCOMPARE(app.model.OpeningFactor, 0.05f);
    }

    void nonStandardFireHelpExplainsWhereTheFiresComeFrom() {
        HostRig<frmNonStandardFire> app;
        app.shown().hlpNonStandardFire->click();
        QCOMPARE(app.platform.boxes.size(), size_t(1));
        const QString text = app.platform.boxes[0].text;
        for (const char* point :
             {"ISO 834", "BS 476", "AS 1530.4", "Lie", "Structural Fire Protection",
              "American Society of Civil Engineers", "New York", "1992", "alluvial quartz",
              "fire load", "opening factor"}) {
            QVERIFY2(text.contains(QString::fromLatin1(point)), point);
        }
        QVERIFY(!text.contains(QLatin1Char('\n')));
        QVERIFY(app.dialog.isVisible());
    }

    void exposureClassChangesAsSoonAsAnOptionIsChosen() {
        HostRig<frmExpose> app;
        frmExpose& d = app.shown();
        QVERIFY(d.optExposeA1->isChecked());
        const std::pair<QRadioButton*, ExposureClass> cases[] = {
            {d.optExposeB2, ExposureClass::B2}, {d.optExposeC, ExposureClass::C},
            {d.optExposeA2, ExposureClass::A2}, {d.optExposeB1, ExposureClass::B1},
            {d.optExposeA1, ExposureClass::A1},
        };
        for (const auto& [option, exposure] : cases) {
            option->click();
            QCOMPARE(app.model.Selected.Exposure, exposure);
        }
        d.cmdOK->click();
        QVERIFY(!d.isVisible());
    }
};

QTEST_MAIN(tst_propertyDialogs)
#include "tst_propertyDialogs.moc"
