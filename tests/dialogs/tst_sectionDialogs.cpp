#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

class tst_sectionDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void leavingTheBeamDepthTidiesItsTextButStoresNothing() {
        HostRig<frmBeamDimensions> rig(FloorType::Beam);
        frmBeamDimensions& beam = rig.dialog;
        QVERIFY(Activate(beam));
        rig.focusInto(beam.txtBeamDepth);
        Type(beam.txtBeamDepth, QStringLiteral("450abc"));
        Leave(beam.txtBeamDepth);
        QCOMPARE(beam.txtBeamDepth->text(), QStringLiteral(" 450"));
        QVERIFY(rig.boxes().isEmpty());
        QVERIFY(rig.host.redraws > 0);  // the view follows the field, not the model
        const std::pair<const char*, QString> refusals[] = {
            {"400", QStringLiteral("You should treat the beam as a slab.")},
            {"300", QStringLiteral("Invalid Dimensions!")}};
        for (const auto& [width, message] : refusals) {
            for (const char* depth : {"200", "0"}) {
                beam.txtBeamWidth->setText(QString::fromLatin1(width));
                rig.focusInto(beam.txtBeamDepth);
                Type(beam.txtBeamDepth, QString::fromLatin1(depth));
                Leave(beam.txtBeamDepth);
                QCOMPARE(rig.boxes(), QStringList{message});
                QCOMPARE(beam.txtBeamDepth->text(), QString::fromLatin1(depth));
                QVERIFY(beam.cmdOK->hasFocus());  // the refused text stays, focus moves on
            }
        }
        QCOMPARE(rig.model.SectionDepth, 500.0f);
        beam.hide();
    }

    // OK stores what the fields hold, refused or not, and checks its own floor type.
    void okStoresTheFieldsUncheckedAndChoosesItsFloor() {
        HostRig<frmBeamDimensions> rig(FloorType::Slab);
        frmBeamDimensions& beam = rig.shown();
        Type(beam.txtBeamWidth, QStringLiteral("400"));
        Type(beam.txtBeamDepth, QStringLiteral("200"));
        PressEnter(beam.txtBeamDepth);
        QCOMPARE(rig.boxes(), QStringList{QStringLiteral("You should treat the beam as a slab.")});
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Slab);  // the advice chooses nothing
        QTest::mouseClick(beam.cmdOK, Qt::LeftButton);
        QCOMPARE(rig.model.SectionWidth, 400.0f);
        QCOMPARE(rig.model.SectionDepth, 200.0f);
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Beam);
        QVERIFY(!beam.isVisible());
        QVERIFY(rig.host.redraws > 0);

        HostRig<frmSlabDimensions> slab(FloorType::Beam);
        slab.dialog.txtSlabDepth->setText(QStringLiteral("220"));
        slab.model.SectionWidth = 300;
        slab.dialog.cmdOK->click();
        QCOMPARE(slab.model.SectionWidth, 1000.0f);  // a one-metre strip
        QCOMPARE(slab.model.SectionDepth, 220.0f);
        QCOMPARE(slab.model.Selected.FloorType, FloorType::Slab);

        HostRig<frmTeeBeamDimensions> teeBeam(FloorType::Slab);
        frmTeeBeamDimensions& tb = teeBeam.dialog;
        tb.txtTeeBeamDepth->setText(QStringLiteral("500"));
        tb.txtTeeBeamWidth->setText(QStringLiteral("-3"));
        tb.cmdOK->click();
        QCOMPARE(teeBeam.model.OverallDepth, 500.0f);
        QCOMPARE(teeBeam.model.OverallWidth, -3.0f);
        QCOMPARE(teeBeam.model.Selected.FloorType, FloorType::TeeBeam);
    }

    void cancelAndEscStoreNothingAndKeepTheTexts() {
        HostRig<frmDoubleTeeDimensions> rig(FloorType::Slab);
        frmDoubleTeeDimensions& dt = rig.dialog;
        const float depth = rig.model.OverallDepth;
        for (const bool esc : {false, true}) {
            QVERIFY(Activate(dt));
            dt.txtDoubleTeeOverallDepth->setText(QStringLiteral("600"));
            if (esc) {
                QTest::keyClick(&dt, Qt::Key_Escape);
            } else {
                dt.cmdCancel->click();
            }
            QVERIFY(!dt.isVisible());
            QCOMPARE(rig.model.OverallDepth, depth);
            QCOMPARE(rig.model.Selected.FloorType, FloorType::Slab);
            dt.showOrRaise();
            QCOMPARE(dt.txtDoubleTeeOverallDepth->text(), QStringLiteral("600"));
            dt.hide();
        }
    }

    void slabStoresEveryKeyBeforeChecking() {
        HostRig<frmSlabDimensions> rig(FloorType::Slab);
        frmSlabDimensions& slab = rig.dialog;
        QVERIFY(Activate(slab));
        rig.focusInto(slab.txtSlabDepth);
        slab.txtSlabDepth->clear();
        QTest::keyClick(slab.txtSlabDepth, Qt::Key_2);
        QCOMPARE(rig.model.SectionDepth, 0.0f);
        QTest::keyClick(slab.txtSlabDepth, Qt::Key_0);
        QCOMPARE(rig.model.SectionDepth, 2.0f);
        PressEnter(slab.txtSlabDepth);
        QCOMPARE(rig.model.SectionDepth, 20.0f);
        QVERIFY(rig.boxes().isEmpty());
        QVERIFY(rig.host.redraws > 0);
        Type(slab.txtSlabDepth, QStringLiteral("180"));
        Leave(slab.txtSlabDepth);
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.model.SectionDepth, 180.0f);
        slab.hide();
    }

    void doubleTeeRibLimitsReadTheFieldsNotTheModel() {
        HostRig<frmDoubleTeeDimensions> rig(FloorType::DoubleTee);
        frmDoubleTeeDimensions& dt = rig.dialog;
        dt.txtDoubleTeeOverallDepth->setText(QStringLiteral("300"));
        dt.txtDoubleTeeOverallWidth->setText(QStringLiteral("600"));
        Type(dt.txtDoubleTeeRibDepth, QStringLiteral("320"));
        PressEnter(dt.txtDoubleTeeRibDepth);
        Type(dt.txtDoubleTeeRibWidthTop, QStringLiteral("300"));
        PressEnter(dt.txtDoubleTeeRibWidthTop);
        QCOMPARE(rig.boxes(), (QStringList{QStringLiteral("Rib Depth is invalid!"),
                                           QStringLiteral("Rib Width is invalid!")}));
        QCOMPARE(rig.model.RibDepth, 350.0f);
        Type(dt.txtDoubleTeeRibWidthTop, QStringLiteral("200"));
        PressEnter(dt.txtDoubleTeeRibWidthTop);
        QCOMPARE(rig.model.RibWidthTop, 200.0f);
        dt.cmdOK->click();
        QCOMPARE(rig.model.OverallDepth, 300.0f);
        QCOMPARE(rig.model.RibDepth, 320.0f);  // refused on Enter, stored by OK
        QCOMPARE(rig.model.Selected.FloorType, FloorType::DoubleTee);
        QVERIFY(rig.host.redraws > 0);
    }

    void teeBeamFieldGainingFocusMarksItsDimension() {
        HostRig<frmTeeBeamDimensions> rig(FloorType::TeeBeam);
        frmTeeBeamDimensions& tb = rig.dialog;
        QVERIFY(Activate(tb));
        rig.focusInto(tb.txtTeeBeamWidth);
        QCOMPARE(rig.host.marked.back(), TeeBeamDimension::Width);
        rig.focusInto(tb.txtTeeBeamRibWidthTop);
        QCOMPARE(rig.host.marked.back(), TeeBeamDimension::RibWidthTop);
        tb.hide();
    }
};

QTEST_MAIN(tst_sectionDialogs)
#include "tst_sectionDialogs.moc"
