#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

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
#include "support/DialogRig.h"

using namespace fd9;

namespace {

struct WithCancel {
    const char* name;
    std::function<InputDialog&(frmMenu&)> open;
    std::function<QPushButton*(frmMenu&)> cancel;
};

const WithCancel DialogsWithCancel[] = {
    {"beam", [](frmMenu& m) -> InputDialog& { return m.beamDimensions(); },
     [](frmMenu& m) { return m.beamDimensions().cmdCancel; }},
    {"slab", [](frmMenu& m) -> InputDialog& { return m.slabDimensions(); },
     [](frmMenu& m) { return m.slabDimensions().cmdCancel; }},
    {"double-tee", [](frmMenu& m) -> InputDialog& { return m.doubleTeeDimensions(); },
     [](frmMenu& m) { return m.doubleTeeDimensions().cmdCancel; }},
    {"tee-beam", [](frmMenu& m) -> InputDialog& { return m.teeBeamDimensions(); },
     [](frmMenu& m) { return m.teeBeamDimensions().cmdCancel; }},
    {"steel", [](frmMenu& m) -> InputDialog& { return m.steelProperties(); },
     [](frmMenu& m) { return m.steelProperties().cmdCancel; }},
    {"concrete", [](frmMenu& m) -> InputDialog& { return m.concreteProperties(); },
     [](frmMenu& m) { return m.concreteProperties().cmdCancel; }},
    {"standard fire", [](frmMenu& m) -> InputDialog& { return m.standardFire(); },
     [](frmMenu& m) { return m.standardFire().cmdCancel; }},
    {"non-standard fire", [](frmMenu& m) -> InputDialog& { return m.nonStandardFire(); },
     [](frmMenu& m) { return m.nonStandardFire().cmdCancel; }},
};

}  // namespace

class tst_dialogKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Enter on a focused Cancel button is Cancel everywhere, never the default button behind it.
    void focusedCancelAnswersEnterAsCancel() {
        for (const WithCancel& c : DialogsWithCancel) {
            MenuRig rig;
            InputDialog& dialog = c.open(rig.menu);
            QVERIFY2(Activate(dialog), c.name);
            QPushButton* cancel = c.cancel(rig.menu);
            cancel->setFocus(Qt::TabFocusReason);
            QTest::keyClick(cancel, Qt::Key_Return);
            QVERIFY2(!dialog.isVisible(), c.name);
            // The non-standard dialog's OK is its default button: it must not have run.
            QCOMPARE(rig.model.FireLoad, std::int16_t(0));
        }
    }

    // Without a Cancel button Esc does nothing: the dialog is left by its own button, whose
    // checks Esc must not skip.
    void escDoesNothingWithoutACancelButton() {
        const std::function<InputDialog&(frmMenu&)> dialogs[] = {
            [](frmMenu& m) -> InputDialog& { return m.designLoads(); },
            [](frmMenu& m) -> InputDialog& { return m.expose(); },
            [](frmMenu& m) -> InputDialog& { return m.addSteel(); },
            [](frmMenu& m) -> InputDialog& { return m.removeSteel(); },
        };
        for (const auto& open : dialogs) {
            MenuRig rig;
            InputDialog& dialog = open(rig.menu);
            QVERIFY(Activate(dialog));
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY2(dialog.isVisible(), qPrintable(dialog.objectName()));
        }
        MenuRig rig;
        frmDesignLoads& loads = rig.menu.designLoads();
        QVERIFY(Activate(loads));
        loads.optContinuous->click();
        QTest::keyClick(&loads, Qt::Key_Escape);
        QCOMPARE(rig.model.SupportCondition, std::int16_t(0));
        QCOMPARE(rig.model.DeadLoad, 0.0f);
    }

    // A number too small for a float turned into a dimension of 0 without a word; each field
    // refuses it with its own message and keeps the model as it was.
    void numbersTooSmallForAFloatAreRefused() {
        struct Case {
            const char* name;
            FloorType floor;
            std::function<QLineEdit*(frmMenu&)> field;
            const char* message;
            std::function<float(const FloorModel&)> stored;
        };
        const Case cases[] = {
            {"beam width", FloorType::Beam,
             [](frmMenu& m) { return m.beamDimensions().txtBeamWidth; }, "Invalid Dimensions!",
             [](const FloorModel& m) { return m.SectionWidth; }},
            {"beam depth", FloorType::Beam,
             [](frmMenu& m) { return m.beamDimensions().txtBeamDepth; }, "Beam Depth is invalid!",
             [](const FloorModel& m) { return m.SectionDepth; }},
            {"slab depth", FloorType::Slab,
             [](frmMenu& m) { return m.slabDimensions().txtSlabDepth; }, "Slab Depth is Invalid!",
             [](const FloorModel& m) { return m.SectionDepth; }},
            {"double-tee depth", FloorType::DoubleTee,
             [](frmMenu& m) { return m.doubleTeeDimensions().txtDoubleTeeOverallDepth; },
             "Beam Depth is invalid!", [](const FloorModel& m) { return m.OverallDepth; }},
            {"double-tee rib depth", FloorType::DoubleTee,
             [](frmMenu& m) { return m.doubleTeeDimensions().txtDoubleTeeRibDepth; },
             "Rib Depth is invalid!", [](const FloorModel& m) { return m.RibDepth; }},
            {"double-tee width", FloorType::DoubleTee,
             [](frmMenu& m) { return m.doubleTeeDimensions().txtDoubleTeeOverallWidth; },
             "Width is invalid!", [](const FloorModel& m) { return m.OverallWidth; }},
            {"double-tee rib bottom", FloorType::DoubleTee,
             [](frmMenu& m) { return m.doubleTeeDimensions().txtDoubleTeeRibWidthBot; },
             "Rib Width is invalid!", [](const FloorModel& m) { return m.RibWidthBot; }},
            {"double-tee rib top", FloorType::DoubleTee,
             [](frmMenu& m) { return m.doubleTeeDimensions().txtDoubleTeeRibWidthTop; },
             "Rib Width is invalid!", [](const FloorModel& m) { return m.RibWidthTop; }},
            {"tee-beam depth", FloorType::TeeBeam,
             [](frmMenu& m) { return m.teeBeamDimensions().txtTeeBeamDepth; }, "Depth is invalid!",
             [](const FloorModel& m) { return m.OverallDepth; }},
            {"tee-beam rib depth", FloorType::TeeBeam,
             [](frmMenu& m) { return m.teeBeamDimensions().txtTeeBeamRibDepth; },
             "Rib Depth is invalid!", [](const FloorModel& m) { return m.RibDepth; }},
            {"tee-beam width", FloorType::TeeBeam,
             [](frmMenu& m) { return m.teeBeamDimensions().txtTeeBeamWidth; }, "Width is invalid!",
             [](const FloorModel& m) { return m.OverallWidth; }},
            {"tee-beam rib bottom", FloorType::TeeBeam,
             [](frmMenu& m) { return m.teeBeamDimensions().txtTeeBeamRibWidthBot; },
             "Width is invalid!", [](const FloorModel& m) { return m.RibWidthBot; }},
            {"tee-beam rib top", FloorType::TeeBeam,
             [](frmMenu& m) { return m.teeBeamDimensions().txtTeeBeamRibWidthTop; },
             "Width is invalid!", [](const FloorModel& m) { return m.RibWidthTop; }},
            {"bar x", FloorType::Slab, [](frmMenu& m) { return m.addSteel().txtXcoordinate; },
             "X Coordinate is invalid!", [](const FloorModel&) { return 0.0f; }},
            {"bar y", FloorType::Slab, [](frmMenu& m) { return m.addSteel().txtYcoordinate; },
             "Y Coordinate is invalid!", [](const FloorModel&) { return 0.0f; }},
            {"bar diameter", FloorType::Slab,
             [](frmMenu& m) { return m.addSteel().txtSteelDiameter; }, "Steel Diameter is invalid!",
             [](const FloorModel&) { return 0.0f; }},
        };
        for (const Case& c : cases) {
            MenuRig rig(c.floor);
            QLineEdit* field = c.field(rig.menu);
            const float before = c.stored(rig.model);
            field->setText(QStringLiteral("1E-50"));
            rig.platform.clear();
            PressEnter(field);
            QVERIFY2(rig.boxes().contains(QLatin1String(c.message)),
                     qPrintable(QLatin1String(c.name) + QLatin1String(": ") +
                                rig.boxes().join(QLatin1Char('|'))));
            QCOMPARE(c.stored(rig.model), before);
            QCOMPARE(rig.model.PosSteelCount, std::int16_t(0));
        }
    }
};

QTEST_MAIN(tst_dialogKeys)
#include "tst_dialogKeys.moc"
