#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "../reliability/ModelFields.h"
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

struct Form {
    InputDialog& (*make)(DialogHost&);
    FloorType floor;
};
const Form Beam{Make<frmBeamDimensions>, FloorType::Beam};
const Form Slab{Make<frmSlabDimensions>, FloorType::Slab};
const Form DT{Make<frmDoubleTeeDimensions>, FloorType::DoubleTee};
const Form TB{Make<frmTeeBeamDimensions>, FloorType::TeeBeam};
const Form Conc{Make<frmConcreteProperties>, FloorType::Slab};
const Form Steel{Make<frmSteelProperties>, FloorType::Slab};
const Form Loads{Make<frmDesignLoads>, FloorType::Slab};
const Form Fire{Make<frmStandardFire>, FloorType::Slab};
const Form AddS{Make<frmAddSteel>, FloorType::Slab};  // a 1000 x 150 slab
const Form AddB{Make<frmAddSteel>, FloorType::Beam};  // a 300 x 500 beam
const Form AddDT{Make<frmAddSteel>, FloorType::DoubleTee};
const Form AddTB{Make<frmAddSteel>, FloorType::TeeBeam};

// A model field of either width, so one table covers every dialog.
struct Stored {
    float FloorModel::*f = nullptr;
    std::int16_t FloorModel::*i = nullptr;
    Stored() = default;
    Stored(float FloorModel::*p) : f(p) {}
    Stored(std::int16_t FloorModel::*p) : i(p) {}
};

// Enter keeps the focus in the field; leaving it moves on unless a refusal holds it. OK
// closes the dialog unless a refusal keeps it open.
enum How { Ent, Tab, Held, Ok, OkOpen };
struct Row {
    Form form;
    const char* field;  // the name after "txt"
    const char* setup;  // "Field=text" to fill in, or an option to click, before typing
    const char* typed;
    How how;
    const char* message;  // "" when accepted
    int beeps;
    const char* after;   // the field's text afterwards; nullptr: as typed
    Stored stored = {};  // none: the model stays as it was
    double value = 0;
};
const char* const Neg = "optAddNegMomentReinforcement";
const char* const Dt300 = "DoubleTeeOverallDepth=300";
const char* const Dt600 = "DoubleTeeOverallWidth=600";
const char* const BadX = "X Coordinate is invalid!";
const char* const BadY = "Y Coordinate is invalid!";
const char* const BadSlab = "Slab Depth is Invalid!";
const char* const BadConc = "Concrete Compressive Strength is invalid!";
const char* const BadValue = "Value is invalid!";
const char* const BadFRR = "FRR is outside valid range!";
const char* const AsSlab = "You should treat the beam as a slab.";
using F = FloorModel;

// clang-format off
const Row Rows[] = {
    // A number too small for a float turned into a dimension of 0 without a word.
    {Beam, "BeamWidth", "", "1E-50", Ent, "Invalid Dimensions!", 0, nullptr},
    // The slab stores every key before checking it: here "1E-5".
    {Slab, "SlabDepth", "", "1E-50", Ent, BadSlab, 0, nullptr, &F::SectionDepth, 1E-5},
    {TB, "TeeBeamDepth", "", "1E-50", Ent, "Depth is invalid!", 0, nullptr},
    {TB, "TeeBeamWidth", "", "1E-50", Ent, "Width is invalid!", 0, nullptr},
    // Tee-beam: the rib depth's message differs on leaving; nothing compares the rib with the
    // overall size, unlike the double-tee.
    {TB, "TeeBeamRibDepth", "", "0", Ent, "Rib Depth is invalid!", 0, nullptr},
    {TB, "TeeBeamRibDepth", "", "0", Tab, "Depth is invalid!", 0, nullptr},
    {TB, "TeeBeamRibWidthBot", "", "5000", Ent, "", 0, nullptr, &F::RibWidthBot, 5000},
    // Beam: wide and shallow is advice to use a slab, narrow and shallow is refused.
    {Beam, "BeamDepth", "BeamWidth=400", "200", Ent, AsSlab, 0, nullptr},
    {Beam, "BeamDepth", "BeamWidth=300", "200", Ent, "Beam Depth is invalid!", 0, nullptr},
    {Beam, "BeamDepth", "BeamWidth=300", "450mm", Ent, "", 0, nullptr, &F::SectionDepth, 450},
    // Leaving the depth tidies an accepted text but stores nothing; a refused text stays.
    {Beam, "BeamDepth", "", "450abc", Tab, "", 0, " 450"},
    {Beam, "BeamDepth", "BeamWidth=400", "200", Tab, AsSlab, 0, nullptr},
    {Beam, "BeamDepth", "BeamWidth=300", "0", Tab, "Invalid Dimensions!", 0, nullptr},
    {Beam, "BeamWidth", "BeamDepth=200", "400", Ent, AsSlab, 0, nullptr},
    {Beam, "BeamWidth", "BeamDepth=200", "300", Tab, "", 0, nullptr, &F::SectionWidth, 300},
    {Slab, "SlabDepth", "", "-5", Held, BadSlab, 0, nullptr, &F::SectionDepth, -5},
    {Slab, "SlabDepth", "", "20", Ent, "", 0, nullptr, &F::SectionDepth, 20},
    {Slab, "SlabDepth", "", "180", Tab, "", 0, nullptr, &F::SectionDepth, 180},
    // Double-tee of 480 x 2400: the ribs must fit within the section as the fields give it.
    {DT, "DoubleTeeOverallDepth", "", "", Tab, "Beam Depth is invalid!", 0, nullptr},
    {DT, "DoubleTeeOverallWidth", "", "0", Ent, "Width is invalid!", 0, nullptr},
    {DT, "DoubleTeeOverallWidth", "", "0", Tab, "Beam Width is invalid!", 0, nullptr},
    {DT, "DoubleTeeRibDepth", Dt300, "299", Ent, "", 0, nullptr, &F::RibDepth, 299},
    {DT, "DoubleTeeRibDepth", Dt300, "300", Tab, "Rib Depth is invalid!", 0, nullptr},
    {DT, "DoubleTeeRibWidthBot", Dt600, "299", Tab, "", 0, nullptr, &F::RibWidthBot, 299},
    {DT, "DoubleTeeRibWidthBot", Dt600, "300", Ent, "Rib Width is invalid!", 0, nullptr},
    {DT, "DoubleTeeRibWidthTop", "", "-1", Ent, "Rib Width is invalid!", 0, nullptr},
    // Wider at the soffit than at the top is not refused.
    {DT, "DoubleTeeRibWidthBot", "", "300", Ent, "", 0, nullptr, &F::RibWidthBot, 300},
    // Bars: within the section, and for ribbed floors within a rib or the flange.
    {AddS, "Xcoordinate", "", "1000", Ent, "", 0, nullptr},
    {AddS, "Xcoordinate", "", "0", Ent, BadX, 0, ""},
    {AddS, "Xcoordinate", Neg, "1000.5", Ent, BadX, 0, ""},
    {AddS, "Ycoordinate", Neg, "150", Ent, "", 0, nullptr},
    {AddS, "Ycoordinate", "", "0", Ent, BadY, 0, ""},
    {AddB, "Ycoordinate", Neg, "501", Ent, BadY, 0, ""},
    {AddDT, "Xcoordinate", "", "1880", Ent, "", 0, nullptr},
    {AddDT, "Xcoordinate", "", "512.5", Ent, BadX, 0, ""},
    {AddDT, "Xcoordinate", "", "513", Ent, "", 0, nullptr},
    {AddDT, "Ycoordinate", "", "450", Ent, "", 0, nullptr},
    {AddDT, "Ycoordinate", "", "130", Ent, BadY, 0, ""},
    {AddDT, "Ycoordinate", "", "480", Ent, BadY, 0, ""},
    {AddDT, "Xcoordinate", Neg, "0", Ent, "", 0, nullptr},
    {AddDT, "Xcoordinate", Neg, "2401", Ent, BadX, 0, ""},
    {AddDT, "Ycoordinate", Neg, "100", Ent, "", 0, nullptr},
    {AddDT, "Ycoordinate", Neg, "130", Ent, BadY, 0, ""},
    {AddTB, "Xcoordinate", "", "1200", Ent, "", 0, nullptr},
    {AddTB, "Xcoordinate", "", "1287.5", Ent, " X Coordinate is invalid!", 0, ""},
    {AddTB, "Xcoordinate", Neg, "-1", Ent, BadX, 0, ""},
    {AddS, "SteelDiameter", "", "0", Ent, "Steel Diameter is invalid!", 0, ""},
    {AddTB, "SteelDiameter", "", "12.7", Ent, "", 0, nullptr},
    // Refusals reset the field to the stored value; the concrete beeps first.
    {Conc, "CompressiveStrength", "", "32.6", Ent, "", 0, nullptr, &F::ConcreteStrength, 32.6},
    {Conc, "CompressiveStrength", "", "-20", Ent, BadConc, 1, " 25"},
    {Conc, "CompressiveStrength", "", "2.5", Ok, "", 0, nullptr, &F::ConcreteStrength, 2},
    {Conc, "CompressiveStrength", "", "3.5", Ok, "", 0, nullptr, &F::ConcreteStrength, 4},
    {Conc, "CompressiveStrength", "", "0.5", OkOpen, BadConc, 1, nullptr},
    {Conc, "CompressiveStrength", "", "40000", OkOpen, BadConc, 1, nullptr},
    {Loads, "DeadLoad", "", "0", Ent, "Dead Load is invalid!", 0, " 0"},
    {Loads, "DeadLoad", "", "4.5", Ent, "", 0, nullptr, &F::DeadLoad, 4.5},
    {Loads, "LiveLoad", "", "0", Ent, "", 0, nullptr, &F::LiveLoad, 0},
    {Loads, "LiveLoad", "", "-1", Ent, "Live Load is invalid!", 0, " 0"},
    {Loads, "Span", "", "0", Ent, "Span is invalid!", 0, " 5"},
    {Loads, "DeadLoadReduction", "", "-0.1", Ent, BadValue, 0, " 1"},
    {Loads, "DeadLoadReduction", "", "-2", Held, BadValue, 1, " 1"},
    {Loads, "LiveLoadReduction", "", "1", Ent, "", 0, nullptr, &F::LiveLoadFactor, 1},
    {Loads, "LiveLoadReduction", "", "1.2", Ent, BadValue, 0, " .4"},
    // Steel strengths round to a whole number before the check, and wait for OK to be stored.
    {Steel, "SteelPosStrength", "", "0.5", Ent, "The value entered is not valid", 0, " 300"},
    {Steel, "SteelNegStrength", "", "0.6", Ent, "", 0, nullptr},
    {Steel, "SteelNegStrength", "", "32767.5", Ent, "The value entered is not valid", 0, " 300"},
    {Steel, "SteelPosStrength", "", "32767.4", Ent, "", 0, nullptr},
    // Fire ratings: stored as a whole number, refused where rounding down would leave none.
    {Fire, "FRRequired", "", "240.5", Ent, "", 0, nullptr, &F::FRRequired, 240},
    {Fire, "FRRequired", "", "241", Ent, BadFRR, 1, " 60"},
    {Fire, "FRRequired", "", "30.7", Ent, "", 0, nullptr, &F::FRRequired, 30},
    {Fire, "FRRequired", "", "29.7", Ent, BadFRR, 1, " 60"},
    {Fire, "FRRequired", "", "40000", Ent, BadFRR, 1, " 60"},
    {Fire, "FRRequired", "", "two hours", Ent, BadFRR, 1, " 60"},
    {Fire, "FRRequired", "", "100", Ok, "", 0, nullptr, &F::FRRequired, 90},
};
// clang-format on

}  // namespace

class tst_dialogFields : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void eachFieldChecksWhatIsTyped() {
        for (const Row& r : Rows) {
            RowTrace trace{QByteArray(r.field) + " " + r.setup + " '" + r.typed + "' " +
                           QByteArray::number(r.how)};
            FloorModel model = NewModel(r.form.floor);
            FakePlatform platform;
            FakeDialogHost host(model, platform);
            InputDialog& d = r.form.make(host);
            QVERIFY(Activate(d));
            const QStringList setup = QString::fromLatin1(r.setup).split(QLatin1Char('='));
            if (setup.size() == 2) {
                d.findChild<QLineEdit*>(QStringLiteral("txt") + setup[0])->setText(setup[1]);
            } else if (*r.setup) {
                d.findChild<QAbstractButton*>(setup[0])->click();
            }
            QLineEdit* f = d.findChild<QLineEdit*>(QStringLiteral("txt") + QLatin1String(r.field));
            FocusInto(f);
            platform.clear();
            FloorModel expected = model;
            if (r.stored.f) {
                expected.*r.stored.f = float(r.value);
            } else if (r.stored.i) {
                expected.*r.stored.i = std::int16_t(r.value);
            }
            Type(f, QString::fromLatin1(r.typed));
            if (r.how >= Ok) {
                d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            } else {
                QTest::keyClick(f, r.how == Ent ? Qt::Key_Return : Qt::Key_Tab);
            }
            QCOMPARE(platform.boxTexts(),
                     *r.message ? QStringList{QString::fromLatin1(r.message)} : QStringList());
            for (const FakePlatform::Box& box : platform.boxes) {
                QCOMPARE(std::tuple(box.title, box.icon, box.buttons),
                         std::tuple(QStringLiteral("ORVAN FD9"), MsgIcon::None, MsgButtons::OK));
            }
            QCOMPARE(platform.beeps, r.beeps);
            QCOMPARE(f->text(), QString::fromLatin1(r.after ? r.after : r.typed));
            if (r.how < Ok) {
                QCOMPARE(QApplication::focusWidget() == f, r.how != Tab);
            }
            QCOMPARE(d.isVisible(), r.how != Ok);
            const std::string diff = reliability::Difference(reliability::Describe(expected),
                                                             reliability::Describe(model));
            QCOMPARE(QString::fromStdString(diff), QString());
        }
    }

    // Enter on a focused Cancel button is Cancel everywhere, never the default button behind it.
    // Without a Cancel button Esc does nothing: the dialog is left by its own button, whose
    // checks Esc must not skip.
    void enterOnCancelCancelsAndEscNeedsACancelButton() {
        for (auto make :
             {Make<frmBeamDimensions>, Make<frmSlabDimensions>, Make<frmDoubleTeeDimensions>,
              Make<frmTeeBeamDimensions>, Make<frmSteelProperties>, Make<frmConcreteProperties>,
              Make<frmStandardFire>, Make<frmNonStandardFire>, Make<frmDesignLoads>,
              Make<frmExpose>, Make<frmAddSteel>, Make<frmRemoveSteel>}) {
            FloorModel model = NewModel();
            FakePlatform platform;
            FakeDialogHost host(model, platform);
            InputDialog& d = make(host);
            QVERIFY(Activate(d));
            auto* cancel = d.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
            if (cancel) {
                cancel->setFocus(Qt::TabFocusReason);
                QTest::keyClick(cancel, Qt::Key_Return);
            } else {
                QTest::keyClick(&d, Qt::Key_Escape);
            }
            QVERIFY2(d.isVisible() == !cancel, qPrintable(d.objectName()));
            // The non-standard dialog's OK is its default button: it must not have run.
            QCOMPARE(model.FireLoad, std::int16_t(0));
        }
        HostRig<frmDesignLoads> rig;
        QVERIFY(Activate(rig.dialog));
        rig.dialog.optContinuous->click();
        QTest::keyClick(&rig.dialog, Qt::Key_Escape);
        QCOMPARE(rig.model.SupportCondition, std::int16_t(0));
        QCOMPARE(rig.model.DeadLoad, 0.0f);
    }

    // OK stores what the fields hold, refused or not, and chooses its own floor type.
    void sectionOkStoresTheFieldsUncheckedAndChoosesItsFloor() {
        const struct {
            InputDialog& (*make)(DialogHost&);
            const char* field;
            float FloorModel::*stored;
            FloorType floor;
        } cases[] = {
            {Make<frmBeamDimensions>, "txtBeamDepth", &F::SectionDepth, FloorType::Beam},
            {Make<frmSlabDimensions>, "txtSlabDepth", &F::SectionDepth, FloorType::Slab},
            {Make<frmDoubleTeeDimensions>, "txtDoubleTeeRibDepth", &F::RibDepth,
             FloorType::DoubleTee},
            {Make<frmTeeBeamDimensions>, "txtTeeBeamWidth", &F::OverallWidth, FloorType::TeeBeam},
        };
        for (const auto& c : cases) {
            FloorModel model =
                NewModel(c.floor == FloorType::Slab ? FloorType::Beam : FloorType::Slab);
            FakePlatform platform;
            FakeDialogHost host(model, platform);
            InputDialog& d = c.make(host);
            d.findChild<QLineEdit*>(QLatin1String(c.field))->setText(QStringLiteral("-3"));
            d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            QCOMPARE(model.*c.stored, -3.0f);
            QCOMPARE(model.Selected.FloorType, c.floor);
            QCOMPARE(model.SectionWidth, c.floor == FloorType::Beam ? 300.0f : 1000.0f);
            QVERIFY(!d.isVisible() && host.redraws > 0);
        }
    }

    void sectionCancelStoresNothingAndKeepsTheTexts() {
        HostRig<frmDoubleTeeDimensions> rig(FloorType::Slab);
        frmDoubleTeeDimensions& dt = rig.dialog;
        QVERIFY(Activate(dt));
        dt.txtDoubleTeeOverallDepth->setText(QStringLiteral("600"));
        QTest::keyClick(&dt, Qt::Key_Escape);
        QVERIFY(!dt.isVisible());
        QCOMPARE(rig.model.OverallDepth, 0.0f);
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Slab);
        dt.showOrRaise();
        QCOMPARE(dt.txtDoubleTeeOverallDepth->text(), QStringLiteral("600"));
    }

    void teeBeamFieldGainingFocusMarksItsDimension() {
        HostRig<frmTeeBeamDimensions> rig(FloorType::TeeBeam);
        QVERIFY(Activate(rig.dialog));
        rig.focusInto(rig.dialog.txtTeeBeamWidth);
        QCOMPARE(rig.host.marked.back(), TeeBeamDimension::Width);
        rig.focusInto(rig.dialog.txtTeeBeamRibWidthTop);
        QCOMPARE(rig.host.marked.back(), TeeBeamDimension::RibWidthTop);
    }
};

QTEST_MAIN(tst_dialogFields)
#include "tst_dialogFields.moc"
