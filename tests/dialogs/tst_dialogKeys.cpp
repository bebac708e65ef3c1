#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/frmAddSteel.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmExpose.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmRemoveSteel.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

namespace {

// Enter on a focused Cancel button is Cancel everywhere, never the default button behind it.
template <class Dialog>
void FocusedCancelCancels() {
    HostRig<Dialog> rig;
    QVERIFY(Activate(rig.dialog));
    rig.dialog.cmdCancel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(rig.dialog.cmdCancel, Qt::Key_Return);
    QVERIFY2(!rig.dialog.isVisible(), qPrintable(rig.dialog.objectName()));
    // The non-standard dialog's OK is its default button: it must not have run.
    QCOMPARE(rig.model.FireLoad, std::int16_t(0));
}

template <class Dialog>
void EscLeavesOpen() {
    HostRig<Dialog> rig;
    QVERIFY(Activate(rig.dialog));
    QTest::keyClick(&rig.dialog, Qt::Key_Escape);
    QVERIFY2(rig.dialog.isVisible(), qPrintable(rig.dialog.objectName()));
}

// A number too small for a float turned into a dimension of 0 without a word; each field
// refuses it with its own message and keeps the model as it was.
template <class Dialog>
void RefusesTinyNumber(FloorType floor, QLineEdit* Dialog::*field, const char* message,
                       float FloorModel::*stored = nullptr) {
    HostRig<Dialog> rig(floor);
    QLineEdit* f = rig.dialog.*field;
    const float before = stored ? rig.model.*stored : 0;
    f->setText(QStringLiteral("1E-50"));
    PressEnter(f);
    QVERIFY2(
        rig.boxes().contains(QLatin1String(message)),
        qPrintable(f->objectName() + QLatin1String(": ") + rig.boxes().join(QLatin1Char('|'))));
    QCOMPARE(stored ? rig.model.*stored : 0, before);
    QCOMPARE(rig.model.PosSteelCount, std::int16_t(0));
}

}  // namespace

class tst_dialogKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void focusedCancelAnswersEnterAsCancel() {
        FocusedCancelCancels<frmBeamDimensions>();
        FocusedCancelCancels<frmSlabDimensions>();
        FocusedCancelCancels<frmDoubleTeeDimensions>();
        FocusedCancelCancels<frmTeeBeamDimensions>();
        FocusedCancelCancels<frmSteelProperties>();
        FocusedCancelCancels<frmConcreteProperties>();
        FocusedCancelCancels<frmStandardFire>();
        FocusedCancelCancels<frmNonStandardFire>();
    }

    // Without a Cancel button Esc does nothing: the dialog is left by its own button, whose
    // checks Esc must not skip.
    void escDoesNothingWithoutACancelButton() {
        EscLeavesOpen<frmDesignLoads>();
        EscLeavesOpen<frmExpose>();
        EscLeavesOpen<frmAddSteel>();
        EscLeavesOpen<frmRemoveSteel>();
        HostRig<frmDesignLoads> rig;
        frmDesignLoads& loads = rig.dialog;
        QVERIFY(Activate(loads));
        loads.optContinuous->click();
        QTest::keyClick(&loads, Qt::Key_Escape);
        QCOMPARE(rig.model.SupportCondition, std::int16_t(0));
        QCOMPARE(rig.model.DeadLoad, 0.0f);
    }

    void numbersTooSmallForAFloatAreRefused() {
        using B = frmBeamDimensions;
        using D = frmDoubleTeeDimensions;
        using T = frmTeeBeamDimensions;
        using F = FloorModel;
        const FloorType beam = FloorType::Beam, doubleTee = FloorType::DoubleTee,
                        teeBeam = FloorType::TeeBeam, slab = FloorType::Slab;
        RefusesTinyNumber(beam, &B::txtBeamWidth, "Invalid Dimensions!", &F::SectionWidth);
        RefusesTinyNumber(beam, &B::txtBeamDepth, "Beam Depth is invalid!", &F::SectionDepth);
        RefusesTinyNumber(slab, &frmSlabDimensions::txtSlabDepth, "Slab Depth is Invalid!",
                          &F::SectionDepth);
        RefusesTinyNumber(doubleTee, &D::txtDoubleTeeOverallDepth, "Beam Depth is invalid!",
                          &F::OverallDepth);
        RefusesTinyNumber(doubleTee, &D::txtDoubleTeeRibDepth, "Rib Depth is invalid!",
                          &F::RibDepth);
        RefusesTinyNumber(doubleTee, &D::txtDoubleTeeOverallWidth, "Width is invalid!",
                          &F::OverallWidth);
        RefusesTinyNumber(doubleTee, &D::txtDoubleTeeRibWidthBot, "Rib Width is invalid!",
                          &F::RibWidthBot);
        RefusesTinyNumber(doubleTee, &D::txtDoubleTeeRibWidthTop, "Rib Width is invalid!",
                          &F::RibWidthTop);
        RefusesTinyNumber(teeBeam, &T::txtTeeBeamDepth, "Depth is invalid!", &F::OverallDepth);
        RefusesTinyNumber(teeBeam, &T::txtTeeBeamRibDepth, "Rib Depth is invalid!", &F::RibDepth);
        RefusesTinyNumber(teeBeam, &T::txtTeeBeamWidth, "Width is invalid!", &F::OverallWidth);
        RefusesTinyNumber(teeBeam, &T::txtTeeBeamRibWidthBot, "Width is invalid!", &F::RibWidthBot);
        RefusesTinyNumber(teeBeam, &T::txtTeeBeamRibWidthTop, "Width is invalid!", &F::RibWidthTop);
        RefusesTinyNumber(slab, &frmAddSteel::txtXcoordinate, "X Coordinate is invalid!");
        RefusesTinyNumber(slab, &frmAddSteel::txtYcoordinate, "Y Coordinate is invalid!");
        RefusesTinyNumber(slab, &frmAddSteel::txtSteelDiameter, "Steel Diameter is invalid!");
    }
};

QTEST_MAIN(tst_dialogKeys)
#include "tst_dialogKeys.moc"
