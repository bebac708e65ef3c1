#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "calc/ExampleMembers.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

const QString DataDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");

struct DataPlatform : FakePlatform {
    DataPlatform() { programDir = DataDir; }
};

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
        for (QLabel* label :
             {menu.lblEffectiveCover, menu.lblSteelTemp, menu.lblSteelArea, menu.lblReducedDepth,
              menu.lblReducedWidth, menu.lblConcTemp, menu.lblAvailMomCapacity, menu.lblAppliedMom,
              menu.lblReqNegMomEndBay, menu.lblReqNegMomIntBay, menu.lblAvailNegMom,
              menu.lblFailureMode, menu.lblInflectionEndBay, menu.lblInflectionIntBay}) {
            texts << label->text();
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
        QCOMPARE(
            values(w.menu).mid(0, 8),
            QStringList({QStringLiteral("30.0"), QStringLiteral("400.0"), QStringLiteral("452.4"),
                         QStringLiteral("120.0"), QStringLiteral("1000.0"), QStringLiteral("350.0"),
                         QStringLiteral("11.2"), QStringLiteral("27.9")}));
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
            QCOMPARE(values(w.menu).mid(6),
                     QStringList({QStringLiteral("45.0"), QStringLiteral("77.5"),
                                  QStringLiteral("73.777"), QStringLiteral("32.499"),
                                  QStringLiteral("124.117"), QStringLiteral("COMPRESSIVE"),
                                  QStringLiteral("7.05"), QStringLiteral("0.76")}));
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
                     QStringList({QStringLiteral("50.0"), QStringLiteral("500.0"),
                                  QStringLiteral("942.5"), QStringLiteral("450.0"),
                                  QStringLiteral("270.0"), QStringLiteral("425.0"),
                                  QStringLiteral("68.4"), QStringLiteral("111.6"),
                                  QStringLiteral("97.047"), QStringLiteral("43.249"),
                                  QStringLiteral("60.496"), QStringLiteral("FLEXURAL TENSION"),
                                  QStringLiteral("8.77"), QStringLiteral("0.77")}));
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
};

QTEST_MAIN(tst_Calculate)
#include "tst_Calculate.moc"
