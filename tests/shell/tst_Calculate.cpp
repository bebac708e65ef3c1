#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

const QString DataDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");

void AddBar(SteelTable& table, std::int16_t& count, float x, float y, float diameter) {
    table[count] = {x, y, diameter, 0};
    ++count;
}

void Loads(FloorModel& model, float span) {
    model.FRRequired = 60;
    model.FireLoad = 37;
    model.OpeningFactor = 0.04f;
    model.ConcreteStrength = 25;
    model.PosSteelStrength = 300;
    model.NegSteelStrength = 300;
    model.DeadLoad = 5;
    model.LiveLoad = 3;
    model.DeadLoadFactor = 1;
    model.LiveLoadFactor = 0.4f;
    model.Span = span;
}

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
        model.SectionWidth = 1000;
        model.SectionDepth = 150;
        for (float x : {100.f, 300.f, 500.f, 700.f}) {
            AddBar(model.PosSteel, model.PosSteelCount, x, 120, 12);
        }
        Loads(model, 6);
    }

    void doubleTee(frmMenu& menu) {
        FloorModel& model = menu.model();
        menu.setFloorType(FloorType::DoubleTee);
        model.Selected.SupportCondition = SupportCondition::Continuous;
        model.OverallDepth = 480;
        model.OverallWidth = 2400;
        model.RibDepth = 350;
        model.RibWidthBot = 125;
        model.RibWidthTop = 175;
        AddBar(model.PosSteel, model.PosSteelCount, 600, 430, 20);
        AddBar(model.PosSteel, model.PosSteelCount, 1800, 430, 20);
        for (float x : {300.f, 900.f, 1500.f, 2100.f}) {
            AddBar(model.NegSteel, model.NegSteelCount, x, 50, 20);
        }
        Loads(model, 10);
    }

    void beam(frmMenu& menu) {
        FloorModel& model = menu.model();
        menu.setFloorType(FloorType::Beam);
        model.Selected.SupportCondition = SupportCondition::Continuous;
        model.SectionWidth = 300;
        model.SectionDepth = 500;
        for (float x : {60.f, 150.f, 240.f}) {
            AddBar(model.PosSteel, model.PosSteelCount, x, 450, 20);
            AddBar(model.NegSteel, model.NegSteelCount, x, 50, 16);
        }
        Loads(model, 12);
    }

    void press(frmMenu& menu) { QTest::mouseClick(menu.cmdUpdateResults, Qt::LeftButton); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void simplySupportedSlabUnderTheStandardFire() {
        FloorModel model;
        FakePlatform platform;
        platform.programDir = DataDir;
        frmMenu menu(model, platform);
        menu.show();
        slab(menu);
        press(menu);

        QCOMPARE(platform.boxTexts(),
                 QStringList({QStringLiteral("NZS 3101 Table 5.5 requires at least 25 mm cover to "
                                             "the face of the bar"),
                              QStringLiteral("STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED\nIf "
                                             "the floor is continuous over its supports then you "
                                             "may like to try using negative moment "
                                             "reinforcement")}));
        QCOMPARE(platform.boxes[0].icon, MsgIcon::Exclamation);
        QCOMPARE(platform.boxes[1].icon, MsgIcon::None);
        for (const FakePlatform::Box& box : platform.boxes) {
            QCOMPARE(box.buttons, MsgButtons::OK);
            QCOMPARE(box.title, QStringLiteral("ORVAN FD9"));
        }
        QCOMPARE(menu.lblMessages->text(),
                 QStringLiteral("STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED\n"));
        QCOMPARE(
            values(menu).mid(0, 8),
            QStringList({QStringLiteral("30.0"), QStringLiteral("400.0"), QStringLiteral("452.4"),
                         QStringLiteral("120.0"), QStringLiteral("1000.0"), QStringLiteral("350.0"),
                         QStringLiteral("11.2"), QStringLiteral("27.9")}));
        QVERIFY(menu.fraResults[0]->isVisible());
        QVERIFY(!menu.fraResults[1]->isVisible());
        QCOMPARE(platform.busyDepth, 0);
        QVERIFY(platform.maxBusyDepth >= 1);
        QVERIFY(QString::fromStdString(menu.TempDataFile).endsWith(QStringLiteral("aqslab.con")));
    }

    void continuousDoubleTeeUnderBothFires() {
        for (DesignFire fire : {DesignFire::Standard, DesignFire::NonStandard}) {
            FloorModel model;
            FakePlatform platform;
            platform.programDir = DataDir;
            frmMenu menu(model, platform);
            menu.show();
            doubleTee(menu);
            menu.setDesignFire(fire);
            press(menu);

            QCOMPARE(platform.boxTexts(),
                     QStringList({QStringLiteral("The concrete failure is in the compression "
                                                 "zone. \nThis is not desirable. Try reducing "
                                                 "amount of steel or increase concrete "
                                                 "strength.")}));
            QCOMPARE(platform.boxes[0].icon, MsgIcon::None);
            QString messages = QStringLiteral(
                "STABILITY FOR END SPANS HAS BEEN ACHIEVED.\nSTABILITY FOR INTERMEDIATE SPANS "
                "HAS BEEN ACHIEVED.\n");
            if (fire == DesignFire::NonStandard) {
                messages +=
                    QStringLiteral("INSULATION HAS NOT BEEN CONSIDERED FOR NON-STANDARD FIRE.");
            }
            QCOMPARE(menu.lblMessages->text(), messages);
            QCOMPARE(values(menu).mid(6),
                     QStringList({QStringLiteral("45.0"), QStringLiteral("77.5"),
                                  QStringLiteral("73.777"), QStringLiteral("32.499"),
                                  QStringLiteral("124.117"), QStringLiteral("COMPRESSIVE"),
                                  QStringLiteral("7.05"), QStringLiteral("0.76")}));
            QCOMPARE(menu.lblFailureMode->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(!menu.fraResults[0]->isVisible());
            QVERIFY(menu.fraResults[1]->isVisible());
        }
    }

    void continuousBeamUnderBothFiresIsFlexuralTensionInBlack() {
        for (DesignFire fire : {DesignFire::Standard, DesignFire::NonStandard}) {
            FloorModel model;
            FakePlatform platform;
            platform.programDir = DataDir;
            frmMenu menu(model, platform);
            menu.show();
            beam(menu);
            menu.setDesignFire(fire);
            menu.lblFailureMode->setText(QStringLiteral("COMPRESSIVE"));
            QPalette red = menu.lblFailureMode->palette();
            red.setColor(QPalette::WindowText, Qt::red);
            menu.lblFailureMode->setPalette(red);
            press(menu);

            const QString endSpans =
                fire == DesignFire::Standard
                    ? QStringLiteral(
                          "FOR END SPANS, STABILITY OF  60 MINUTES HAS NOT BEEN "
                          "ACHIEVED")
                    : QStringLiteral(
                          "FOR END SPANS, STABILITY DURING NON STANDARD FIRE "
                          "EXPOSURE HAS NOT BEEN ACHIEVED");
            QCOMPARE(platform.boxTexts(), QStringList({endSpans}));
            QString messages =
                endSpans +
                QStringLiteral("\nSTABILITY FOR INTERMEDIATE SPANS HAS BEEN ACHIEVED.\n");
            if (fire == DesignFire::NonStandard) {
                messages +=
                    QStringLiteral("INSULATION HAS NOT BEEN CONSIDERED FOR NON-STANDARD FIRE.");
            }
            QCOMPARE(menu.lblMessages->text(), messages);
            QCOMPARE(values(menu),
                     QStringList({QStringLiteral("50.0"), QStringLiteral("500.0"),
                                  QStringLiteral("942.5"), QStringLiteral("450.0"),
                                  QStringLiteral("270.0"), QStringLiteral("425.0"),
                                  QStringLiteral("68.4"), QStringLiteral("111.6"),
                                  QStringLiteral("97.047"), QStringLiteral("43.249"),
                                  QStringLiteral("60.496"), QStringLiteral("FLEXURAL TENSION"),
                                  QStringLiteral("8.77"), QStringLiteral("0.77")}));
            QCOMPARE(menu.lblFailureMode->palette().color(QPalette::WindowText), QColor(Qt::black));
            QVERIFY(menu.fraResults[1]->isVisible());
        }
    }

    void noPositiveBarChangesNothing() {
        FloorModel model;
        FakePlatform platform;
        platform.programDir = DataDir;
        frmMenu menu(model, platform);
        menu.show();
        doubleTee(menu);
        model.PosSteelCount = 0;
        menu.lblSteelTemp->setText(QStringLiteral("earlier"));
        menu.lblMessages->setText(QStringLiteral("earlier"));
        menu.TempDataFile = "earlier.con";
        press(menu);
        QVERIFY(platform.boxes.empty());
        QCOMPARE(menu.lblSteelTemp->text(), QStringLiteral("earlier"));
        QCOMPARE(menu.lblMessages->text(), QStringLiteral("earlier"));
        QVERIFY(menu.fraResults[0]->isVisible());
        QCOMPARE(menu.TempDataFile, std::string("earlier.con"));
        QCOMPARE(platform.busyDepth, 0);
    }

    // Right after start-up no rating has been accepted: the run must not pass a member for
    // "0 minutes" from temperatures that were never found.
    void stoppedRunReplacesTheEarlierVerdict() {
        FloorModel model;
        FakePlatform platform;
        platform.programDir = DataDir;
        frmMenu menu(model, platform);
        menu.show();
        slab(menu);
        press(menu);
        platform.clear();
        model.FRRequired = 0;
        press(menu);

        QCOMPARE(platform.boxes.size(), size_t(2));
        const FakePlatform::Box& stop = platform.boxes[1];
        QCOMPARE(stop.icon, MsgIcon::Exclamation);
        QCOMPARE(stop.buttons, MsgButtons::OK);
        QCOMPARE(menu.lblMessages->text(), stop.text);
        QVERIFY(!menu.lblMessages->text().contains(QStringLiteral("ACHIEVED")));
        QCOMPARE(menu.lblEffectiveCover->text(), QStringLiteral("30.0"));
        QCOMPARE(menu.lblAvailMomCapacity->text(), QString());
        QCOMPARE(platform.busyDepth, 0);
    }
};

QTEST_MAIN(tst_Calculate)
#include "tst_Calculate.moc"
