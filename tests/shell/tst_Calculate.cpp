#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "calc/ExampleMembers.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "files/ResultsReport.h"
#include "shell/frmMenu.h"
#include "support/DialogRig.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

const QString DataDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");

struct DataPlatform : FakePlatform {
    DataPlatform() { programDir = DataDir; }
};

QStringList Strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromLatin1(text);
    }
    return list;
}

// A main window on screen that reads the test temperature tables.
struct Window {
    FloorModel model;
    DataPlatform platform;
    frmMenu menu{model, platform};
    Window() { menu.show(); }
};

}  // namespace

class tst_Calculate : public QObject {
    Q_OBJECT

private:
    QStringList values(frmMenu& menu) {
        QStringList texts;
        for (int i = 0; i < ResultLabelCount; ++i) {
            texts << menu.resultLabel(static_cast<ResultLabel>(i))->text();
        }
        return texts;
    }

    void slab(frmMenu& menu) {
        FloorModel& model = menu.model();
        menu.setFloorType(FloorType::Slab);
        examples::SlabSection(model, 150);
        examples::Loads(model, 6);
    }

    void doubleTee(frmMenu& menu) {
        FloorModel& model = menu.model();
        menu.setFloorType(FloorType::DoubleTee);
        model.Selected.SupportCondition = SupportCondition::Continuous;
        examples::DoubleTeeSection(model);
        examples::Loads(model, 10);
    }

    void beam(frmMenu& menu) {
        FloorModel& model = menu.model();
        menu.setFloorType(FloorType::Beam);
        model.Selected.SupportCondition = SupportCondition::Continuous;
        examples::BeamSection(model);
        examples::Loads(model, 12);
    }

    void press(frmMenu& menu) { QTest::mouseClick(menu.cmdUpdateResults, Qt::LeftButton); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void simplySupportedSlabUnderTheStandardFire() {
        Window w;
        slab(w.menu);
        press(w.menu);

        QCOMPARE(w.platform.boxTexts(),
                 QStringList({QStringLiteral("NZS 3101 Table 5.5 requires at least 25 mm cover to "
                                             "the face of the bar"),
                              QStringLiteral("STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED\nIf "
                                             "the floor is continuous over its supports then you "
                                             "may like to try using negative moment "
                                             "reinforcement")}));
        QCOMPARE(w.platform.boxes[0].icon, MsgIcon::Exclamation);
        QCOMPARE(w.platform.boxes[1].icon, MsgIcon::None);
        for (const FakePlatform::Box& box : w.platform.boxes) {
            QCOMPARE(box.buttons, MsgButtons::OK);
            QCOMPARE(box.title, QStringLiteral("ORVAN FD9"));
        }
        QCOMPARE(w.menu.lblMessages->text(),
                 QStringLiteral("STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED\n"));
        QCOMPARE(values(w.menu).mid(0, 8),
                 Strings({"30.0", "400.0", "452.4", "120.0", "1000.0", "350.0", "11.2", "27.9"}));
        QVERIFY(w.menu.fraResults[0]->isVisible());
        QVERIFY(!w.menu.fraResults[1]->isVisible());
        QCOMPARE(w.platform.busyDepth, 0);
        QVERIFY(w.platform.maxBusyDepth >= 1);
        QVERIFY(QString::fromStdString(w.menu.TempDataFile).endsWith(QStringLiteral("aqslab.con")));
    }

    void continuousDoubleTeeUnderBothFires() {
        for (DesignFire fire : {DesignFire::Standard, DesignFire::NonStandard}) {
            Window w;
            doubleTee(w.menu);
            w.menu.setDesignFire(fire);
            press(w.menu);

            QCOMPARE(w.platform.boxTexts(),
                     QStringList({QStringLiteral("The concrete failure is in the compression "
                                                 "zone. \nThis is not desirable. Try reducing "
                                                 "amount of steel or increase concrete "
                                                 "strength.")}));
            QCOMPARE(w.platform.boxes[0].icon, MsgIcon::None);
            QString messages = QStringLiteral(
                "STABILITY FOR END SPANS HAS BEEN ACHIEVED.\nSTABILITY FOR INTERMEDIATE SPANS "
                "HAS BEEN ACHIEVED.\n");
            if (fire == DesignFire::NonStandard) {
                messages +=
                    QStringLiteral("INSULATION HAS NOT BEEN CONSIDERED FOR NON-STANDARD FIRE.");
            }
            QCOMPARE(w.menu.lblMessages->text(), messages);
            QCOMPARE(values(w.menu).mid(6), Strings({"45.0", "77.5", "73.777", "32.499", "124.117",
                                                     "COMPRESSIVE", "7.05", "0.76"}));
            QCOMPARE(w.menu.lblFailureMode->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(!w.menu.fraResults[0]->isVisible());
            QVERIFY(w.menu.fraResults[1]->isVisible());
        }
    }

    void continuousBeamUnderBothFiresIsFlexuralTensionInBlack() {
        for (DesignFire fire : {DesignFire::Standard, DesignFire::NonStandard}) {
            Window w;
            beam(w.menu);
            w.menu.setDesignFire(fire);
            w.menu.lblFailureMode->setText(QStringLiteral("COMPRESSIVE"));
            QPalette red = w.menu.lblFailureMode->palette();
            red.setColor(QPalette::WindowText, Qt::red);
            w.menu.lblFailureMode->setPalette(red);
            press(w.menu);

            const QString endSpans =
                fire == DesignFire::Standard
                    ? QStringLiteral(
                          "FOR END SPANS, STABILITY OF  60 MINUTES HAS NOT BEEN "
                          "ACHIEVED")
                    : QStringLiteral(
                          "FOR END SPANS, STABILITY DURING NON STANDARD FIRE "
                          "EXPOSURE HAS NOT BEEN ACHIEVED");
            QCOMPARE(w.platform.boxTexts(), QStringList({endSpans}));
            QString messages =
                endSpans +
                QStringLiteral("\nSTABILITY FOR INTERMEDIATE SPANS HAS BEEN ACHIEVED.\n");
            if (fire == DesignFire::NonStandard) {
                messages +=
                    QStringLiteral("INSULATION HAS NOT BEEN CONSIDERED FOR NON-STANDARD FIRE.");
            }
            QCOMPARE(w.menu.lblMessages->text(), messages);
            QCOMPARE(values(w.menu),
                     Strings({"50.0", "500.0", "942.5", "450.0", "270.0", "425.0", "68.4", "111.6",
                              "97.047", "43.249", "60.496", "FLEXURAL TENSION", "8.77", "0.77"}));
            QCOMPARE(w.menu.lblFailureMode->palette().color(QPalette::WindowText),
                     QColor(Qt::black));
            QVERIFY(w.menu.fraResults[1]->isVisible());
        }
    }

    void noPositiveBarChangesNothing() {
        Window w;
        doubleTee(w.menu);
        w.model.PosSteelCount = 0;
        w.menu.lblSteelTemp->setText(QStringLiteral("earlier"));
        w.menu.lblMessages->setText(QStringLiteral("earlier"));
        w.menu.TempDataFile = "earlier.con";
        press(w.menu);
        QVERIFY(w.platform.boxes.empty());
        QCOMPARE(w.menu.lblSteelTemp->text(), QStringLiteral("earlier"));
        QCOMPARE(w.menu.lblMessages->text(), QStringLiteral("earlier"));
        QVERIFY(w.menu.fraResults[0]->isVisible());
        QCOMPARE(w.menu.TempDataFile, std::string("earlier.con"));
        QCOMPARE(w.platform.busyDepth, 0);
    }

    // Right after start-up no rating has been accepted: the run must not pass a member for
    // "0 minutes" from temperatures that were never found.
    void stoppedRunReplacesTheEarlierVerdict() {
        Window w;
        slab(w.menu);
        press(w.menu);
        w.platform.clear();
        w.model.FRRequired = 0;
        press(w.menu);

        QCOMPARE(w.platform.boxes.size(), size_t(2));
        const FakePlatform::Box& stop = w.platform.boxes[1];
        QCOMPARE(stop.icon, MsgIcon::Exclamation);
        QCOMPARE(stop.buttons, MsgButtons::OK);
        QCOMPARE(w.menu.lblMessages->text(), stop.text);
        QVERIFY(!w.menu.lblMessages->text().contains(QStringLiteral("ACHIEVED")));
        QCOMPARE(w.menu.lblEffectiveCover->text(), QStringLiteral("30.0"));
        QCOMPARE(w.menu.lblAvailMomCapacity->text(), QString());
        QCOMPARE(w.platform.busyDepth, 0);
    }

    // Start-up: the loads dialog shows 6, 16 and 12 but the model holds nothing until OK, and
    // Enter in two fields confirms neither the third nor the factors.
    void unconfirmedLoadsGiveNoVerdictUntilOk() {
        Window w;
        w.menu.ResetModel();
        examples::SlabSection(w.model, 150);
        w.menu.mnuStandardFire->trigger();
        w.menu.standardFire().cmdOK->click();
        w.menu.mnuLoads->trigger();
        frmDesignLoads& loads = w.menu.designLoads();
        PressEnter(loads.txtDeadLoad);
        PressEnter(loads.txtSpan);
        w.platform.clear();
        press(w.menu);
        QVERIFY2(w.menu.lblMessages->text().contains(QStringLiteral("under Loads and press OK")),
                 qPrintable(w.menu.lblMessages->text()));
        const QStringList shown = w.platform.boxTexts() << w.menu.lblMessages->text();
        for (const QString& text : shown) {
            QVERIFY(!text.contains(QStringLiteral("ACHIEVED")));
        }
        QCOMPARE(w.menu.lblAppliedMom->text(), QString());

        loads.cmdOK->click();
        w.platform.clear();
        press(w.menu);
        QVERIFY(w.menu.lblMessages->text().startsWith(QStringLiteral("STABILITY OF  60 MINUTES")));
        // (1.0 x 6 + 0.4 x 16) x 12 x 12 / 8
        QCOMPARE(w.menu.lblAppliedMom->text(), QStringLiteral("223.2"));
    }

    // New keeps the loads and the fire in the model, so the new dialogs must show them: what
    // CALCULATE then uses is what the engineer sees.
    void newShowsTheLoadsAndFireTheModelKeeps() {
        Window w;
        w.menu.ResetModel();
        w.menu.mnuLoads->trigger();
        frmDesignLoads* loads = &w.menu.designLoads();
        Type(loads->txtDeadLoad, QStringLiteral("8"));
        Type(loads->txtLiveLoad, QStringLiteral("3"));
        Type(loads->txtSpan, QStringLiteral("7"));
        loads->optRoofs->click();
        loads->cmdOK->click();
        w.menu.mnuStandardFire->trigger();
        Type(w.menu.standardFire().txtFRRequired, QStringLiteral("45"));
        w.menu.standardFire().cmdOK->click();
        w.menu.mnuNonStandardFire->trigger();
        w.menu.nonStandardFire().optMedFireLoad->click();
        w.menu.nonStandardFire().optOpeningFactor08->click();
        w.menu.nonStandardFire().cmdOK->click();
        w.menu.mnuStandardFire->trigger();
        w.menu.standardFire().cmdOK->click();

        w.menu.mnuNew_Click();
        loads = &w.menu.designLoads();
        QCOMPARE(loads->txtDeadLoad->text(), QStringLiteral(" 8"));
        QCOMPARE(loads->txtLiveLoad->text(), QStringLiteral(" 3"));
        QCOMPARE(loads->txtSpan->text(), QStringLiteral(" 7"));
        QVERIFY(loads->optNZS4203->isChecked());
        QVERIFY(loads->optRoofs->isChecked());
        QCOMPARE(w.menu.standardFire().txtFRRequired->text(), QStringLiteral(" 30"));
        QVERIFY(w.menu.nonStandardFire().optMedFireLoad->isChecked());
        QVERIFY(w.menu.nonStandardFire().optOpeningFactor08->isChecked());

        // OK in the dialogs as they now stand changes nothing the calculation reads.
        const FloorModel before = w.model;
        loads->cmdOK->click();
        w.menu.standardFire().cmdOK->click();
        QCOMPARE(w.model.DeadLoadFactor, before.DeadLoadFactor);
        QCOMPARE(w.model.LiveLoadFactor, before.LiveLoadFactor);
        QCOMPARE(w.model.Span, before.Span);
        QCOMPARE(w.model.FRRequired, before.FRRequired);

        examples::SlabSection(w.model, 150);
        w.platform.clear();
        press(w.menu);
        QVERIFY(w.menu.lblMessages->text().startsWith(QStringLiteral("STABILITY OF  30 MINUTES")));
        QCOMPARE(w.menu.lblAppliedMom->text(), QStringLiteral("49.0"));  // 8 x 7 x 7 / 8
    }

    // Strands chosen and calculated with while the steel dialog is open: the report names
    // strands. Cancel puts bars back, and the next run and its report agree on bars.
    void reportNamesTheSteelTheResultsWereComputedWith() {
        Window w;
        w.menu.ResetModel();
        slab(w.menu);
        w.menu.mnuSteel->trigger();
        frmSteelProperties& steel = w.menu.steelProperties();
        steel.lstSteelPosType->item(1)->setSelected(true);
        press(w.menu);
        const std::string strands = ResultsFileText(w.model, "");
        QVERIFY(strands.find("Steel type is Prestressing") != std::string::npos);

        steel.cmdCancel->click();
        QCOMPARE(w.model.Selected.PosSteelType, SteelType::ReinforcingBar);
        w.platform.clear();
        press(w.menu);
        const std::string bars = ResultsFileText(w.model, "");
        QVERIFY(bars.find("Steel Type is Reinforcing") != std::string::npos);
        QVERIFY(bars.find("Prestressing") == std::string::npos);
        QVERIFY(bars.find("Concrete Type is alluvial quartz") != std::string::npos);
    }

    // A user-specified pair of factors comes back as typed, not as an NZS 4203 category.
    void newShowsUserSpecifiedFactorsAsTyped() {
        Window w;
        w.menu.ResetModel();
        w.menu.mnuLoads->trigger();
        frmDesignLoads* loads = &w.menu.designLoads();
        loads->optUserSpecified->click();
        Type(loads->txtDeadLoadReduction, QStringLiteral("1.2"));
        Type(loads->txtLiveLoadReduction, QStringLiteral("0.5"));
        loads->cmdOK->click();
        w.menu.mnuNew_Click();
        loads = &w.menu.designLoads();
        QVERIFY(loads->optUserSpecified->isChecked());
        QCOMPARE(loads->txtDeadLoadReduction->text(), QStringLiteral(" 1.2"));
        QCOMPARE(loads->txtLiveLoadReduction->text(), QStringLiteral(" .5"));
    }
};

QTEST_MAIN(tst_Calculate)
#include "tst_Calculate.moc"
