#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <random>

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
#include "model/ParseLeadingNumber.h"
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
const char* const User = "optUserSpecified";
const char* const Dt300 = "DoubleTeeOverallDepth=300";
const char* const Dt600 = "DoubleTeeOverallWidth=600";
const char* const BadDia = "Steel Diameter is invalid!";
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
    // The slab stores every key before checking it: here "1E-5".
    {Slab, "SlabDepth", "", "1E-50", Ent, BadSlab, 0, nullptr, &F::SectionDepth, 1E-5},
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
    {AddS, "Ycoordinate", Neg, "150.5", Ent, BadY, 0, ""},
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
    {AddS, "SteelDiameter", "", "0", Ent, BadDia, 0, ""},
    // Numbers beyond float range would pass "> 0" as infinity.
    {AddS, "SteelDiameter", "", "1E39", Ent, BadDia, 0, ""},
    {AddS, "SteelDiameter", "", "9E999", Ent, BadDia, 0, ""},
    {AddS, "SteelDiameter", "", "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", Ent, BadDia, 0, ""},
    {AddTB, "SteelDiameter", "", "12.7", Ent, "", 0, nullptr},
    // Refusals reset the field to the stored value; the concrete beeps first.
    {Conc, "CompressiveStrength", "", "32.6", Ent, "", 0, nullptr, &F::ConcreteStrength, 32.6},
    {Conc, "CompressiveStrength", "", "-20", Ent, BadConc, 1, " 25"},
    {Conc, "CompressiveStrength", "", "2.5", Ok, "", 0, nullptr, &F::ConcreteStrength, 2},
    {Conc, "CompressiveStrength", "", "3.5", Ok, "", 0, nullptr, &F::ConcreteStrength, 4},
    {Conc, "CompressiveStrength", "", "0.5", OkOpen, BadConc, 1, nullptr},
    {Conc, "CompressiveStrength", "", "40000", OkOpen, BadConc, 1, nullptr},
    {Loads, "DeadLoad", "", "0", Ent, "Dead Load is invalid!", 0, " 0"},
    {Loads, "LiveLoad", "", "0", Ent, "", 0, nullptr, &F::LiveLoad, 0},
    {Loads, "LiveLoad", "", "-1", Ent, "Live Load is invalid!", 0, " 0"},
    {Loads, "Span", "", "0", Ent, "Span is invalid!", 0, " 5"},
    {Loads, "DeadLoadReduction", User, "-0.1", Ent, BadValue, 0, " 1"},
    {Loads, "DeadLoadReduction", User, "-2", Held, BadValue, 1, " 1"},
    {Loads, "LiveLoadReduction", User, "1", Ent, "", 0, nullptr, &F::LiveLoadFactor, 1},
    {Loads, "LiveLoadReduction", User, "1.2", Ent, BadValue, 0, " .4"},
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
    {Fire, "FRRequired", "", "500", Ok, BadFRR, 1, " 60", &F::FRRequired, 60},
    // A comma straight after the digits would be read as the end of the number: refused by
    // Enter, by leaving and by OK, with the field named. Other trailing text keeps its rule.
    {Loads, "DeadLoad", "", "6,5", Ent,
     "Dead Load (kN/m): use a decimal point, not a comma (\"6,5\" reads as 6).", 0, nullptr},
    {Loads, "Span", "", "1,000", Held,
     "Span (m): use a decimal point, not a comma (\"1,000\" reads as 1).", 0, nullptr},
    {DT, "DoubleTeeOverallWidth", "", "2400,5", Held, "Overall Width (mm): use a decimal point, "
     "not a comma (\"2400,5\" reads as 2400).", 0, nullptr},
    {Beam, "BeamDepth", "", "600,5", OkOpen,
     "Depth (mm): use a decimal point, not a comma (\"600,5\" reads as 600).", 0, nullptr},
    {Conc, "CompressiveStrength", "", "32,5", OkOpen, "Compressive Strength (MPa): use a "
     "decimal point, not a comma (\"32,5\" reads as 32).", 0, nullptr},
};
// clang-format on

// Both bar dialogs on a model reset with the given floor type; the bar lists follow the model as
// the main window's do.
struct BarRig : HostRig<frmAddSteel> {
    frmAddSteel& add = dialog;
    frmRemoveSteel& remove = *new frmRemoveSteel(host);

    explicit BarRig(FloorType type) : HostRig(type) {
        host.onRefreshBarLists = [this] { remove.FollowSteelLists(); };
    }
    void addBar(const char* x, const char* y, const char* diameter, bool positive = true) {
        (positive ? add.optAddPosMomentReinforcement : add.optAddNegMomentReinforcement)
            ->setChecked(true);
        add.txtXcoordinate->setText(QString::fromLatin1(x));
        add.txtYcoordinate->setText(QString::fromLatin1(y));
        add.txtSteelDiameter->setText(QString::fromLatin1(diameter));
        add.cmdAddSteel->click();
    }
};

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

QString Added(const char* group, int n) {
    return QStringLiteral("%1 Moment Steel Bar/Strand  %2 has been added.")
        .arg(QLatin1String(group))
        .arg(n);
}

// Text a user might type, weighted towards what sits on the edge of a field's rule.
QString RandomFieldText(std::mt19937& rng) {
    static const char* const pieces[] = {
        "0",     "1",      "2",     "5",      "9",      "10",   "25",     "100",
        "300",   "500",    "1000",  "32767",  "32768",  "-",    "+",      ".",
        ".5",    "0.5",    "2.5",   "E",      "e",      "D",    "E+",     "E-",
        "38",    "39",     "308",   "309",    "999",    "1E39", "9E999",  "1D308",
        "-1E39", "1e-50",  "&H",    "&O",     "FFFF",   "7FFF", "777777", "&H7FFF",
        " ",     "\t",     "x",     ",",      "abc",    "-0",   "1.2.3",  "3.4028236E38",
        "65536", "0.0001", "1E-46", "-32768", "-32769", "0.15", "0.01",   "111",
        "74",    "37",
    };
    QString text;
    for (auto n = static_cast<unsigned>(rng() % 5 + 1); n > 0; --n) {
        text += QString::fromLatin1(pieces[rng() % std::size(pieces)]);
    }
    return text;
}

}  // namespace

class tst_dialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void eachFieldChecksWhatIsTyped() {
        for (const Row& r : Rows) {
            RowTrace trace{QByteArray(r.field) + " " + r.setup + " '" + r.typed + "' " +
                           QByteArray::number(r.how)};
            HostRig<> rig(r.form.make, r.form.floor);
            auto& [model, platform, host, d] = rig;
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
            HostRig<> rig(make, FloorType::Slab);
            InputDialog& d = rig.dialog;
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
            QCOMPARE(rig.model.FireLoad, std::int16_t(0));
        }
    }

    // Cancel stores nothing and keeps the texts; OK stores what the fields hold, refused or not,
    // and chooses its own floor type.
    void sectionCancelKeepsTheTextsAndOkStoresThemUnchecked() {
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
            HostRig<> rig(c.make, c.floor == FloorType::Slab ? FloorType::Beam : FloorType::Slab);
            auto& [model, platform, host, d] = rig;
            d.showOrRaise();
            QLineEdit* field = d.findChild<QLineEdit*>(QLatin1String(c.field));
            field->setText(QStringLiteral("-3"));
            const std::string before = reliability::Describe(model);
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible() && reliability::Describe(model) == before);
            d.showOrRaise();
            QCOMPARE(field->text(), QStringLiteral("-3"));
            d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            QCOMPARE(model.*c.stored, -3.0f);
            QCOMPARE(model.Selected.FloorType, c.floor);
            QCOMPARE(model.SectionWidth, c.floor == FloorType::Beam ? 300.0f : 1000.0f);
            QVERIFY(!d.isVisible() && host.redraws > 0);
        }
    }

    // Add refuses only the bad fields and keeps the good ones; empty fields add nothing.
    void addRefusesEachBadFieldAndAddsNothing() {
        const QString x = QStringLiteral("X Coordinate is invalid!");
        const QString y = QStringLiteral("Y Coordinate is invalid!");
        const QString d = QStringLiteral("Steel Diameter is invalid!");
        const struct {
            FloorType type;
            bool positive;
            const char *x, *y, *diameter;
            QStringList messages;
        } cases[] = {
            // clang-format off
            {FloorType::Slab, true, "", "", "", {d, x, y}},
            // An empty x is a valid flange position, yet the bar is still not added.
            {FloorType::DoubleTee, false, "", "", "", {d, y}},
            {FloorType::TeeBeam, true, "", "", "", {d, QLatin1Char(' ') + x, y}},
            {FloorType::Slab, true, "50", "400", "16", {y}},
            // clang-format on
        };
        for (const auto& c : cases) {
            RowTrace trace{QByteArray::number(int(c.type)) + c.x};
            BarRig rig(c.type);
            rig.addBar(c.x, c.y, c.diameter, c.positive);
            QCOMPARE(rig.boxes(), c.messages);
            QCOMPARE(rig.model.PosSteelCount + rig.model.NegSteelCount, 0);
            QCOMPARE(rig.add.focusWidget(), rig.add.txtYcoordinate);
            QCOMPARE(rig.add.txtXcoordinate->text(), QString::fromLatin1(c.x));
            QCOMPARE(rig.add.txtSteelDiameter->text(), QString::fromLatin1(c.diameter));
            QVERIFY(rig.add.txtYcoordinate->text().isEmpty());
        }
    }

    void addAppendsTheBarItsListItemAndTellsTheCount() {
        BarRig rig(FloorType::Slab);
        rig.addBar("50", "100", "16");
        QCOMPARE(rig.boxes(), QStringList{Added("Positive", 1)});
        QCOMPARE(std::tuple(rig.platform.boxes[0].title, rig.platform.boxes[0].icon),
                 std::tuple(QStringLiteral("ORVAN FD9"), MsgIcon::None));
        QVERIFY(rig.model.PosSteel[0][SteelX] == 50 && rig.model.PosSteel[0][SteelY] == 100 &&
                rig.model.PosSteel[0][SteelDiameter] == 16);
        // The fields keep their texts, so Add again adds the same bar again.
        rig.addBar("50", "100", "16");
        QCOMPARE(rig.boxes().last(), Added("Positive", 2));
        rig.addBar("900", "20", "12", false);
        QCOMPARE(rig.boxes().last(), Added("Negative", 1));
        // The lists exist, hidden, before the remove dialog was ever opened.
        frmRemoveSteel& remove = rig.remove;
        QVERIFY(!remove.isVisible());
        QCOMPARE(Items(remove.lstSteelPos),
                 (QStringList{QStringLiteral("x= 50 mm  y= 100 mm  dia= 16 mm"),
                              QStringLiteral("x= 50 mm  y= 100 mm  dia= 16 mm")}));
        QCOMPARE(Items(remove.lstSteelNeg),
                 QStringList{QStringLiteral("x= 900 mm  y= 20 mm  dia= 12 mm")});
        QCOMPARE(rig.host.redraws, 3);
    }

    void aGroupHoldsAtMostThirtyBars() {
        BarRig rig(FloorType::Beam);
        for (int i = 0; i < MaxSteelRows; ++i) {
            rig.addBar("50", "450", "20");
        }
        QCOMPARE(rig.boxes().last(), Added("Positive", 30));
        const FloorModel before = rig.model;
        rig.platform.clear();
        rig.addBar("100", "450", "20");
        QCOMPARE(rig.boxes(),
                 QStringList{QStringLiteral("The positive moment reinforcement already holds 30 "
                                            "bars/strands; no more can be added.")});
        QCOMPARE(rig.model.PosSteelCount, 30);
        QVERIFY(rig.model.PosSteel == before.PosSteel);
        rig.addBar("100", "50", "12", false);  // the other group is not affected
        QCOMPARE(rig.model.NegSteelCount, 1);
    }

    void removeTakesTheSelectedBarOfTheChosenGroup() {
        BarRig rig(FloorType::Slab);
        rig.addBar("100", "120", "10");
        rig.addBar("200", "120", "12");
        rig.addBar("300", "120", "16");
        rig.addBar("200", "30", "12", false);
        frmRemoveSteel& remove = rig.remove;
        remove.showOrRaise();
        QVERIFY(remove.lstSteelPos->isVisible() && !remove.lstSteelNeg->isVisible());
        remove.cmdRemoveSteel->click();  // nothing selected: nothing removed
        QCOMPARE(rig.model.PosSteelCount, 3);
        const QRect second = remove.lstSteelPos->visualItemRect(remove.lstSteelPos->item(1));
        QTest::mouseClick(remove.lstSteelPos->viewport(), Qt::LeftButton, {}, second.center());
        rig.platform.clear();
        rig.host.redraws = 0;
        remove.cmdRemoveSteel->click();
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.model.PosSteelCount, 2);
        QCOMPARE(rig.model.PosSteel[1][SteelX], 300.0f);
        QCOMPARE(rig.model.PosSteel[1][SteelDiameter], 16.0f);
        QCOMPARE(Items(remove.lstSteelPos),
                 (QStringList{QStringLiteral("x= 100 mm  y= 120 mm  dia= 10 mm"),
                              QStringLiteral("x= 300 mm  y= 120 mm  dia= 16 mm")}));
        QCOMPARE(rig.host.redraws, 1);
        // The option chooses the group shown and removed; an empty group stays empty, silently.
        QTest::mouseClick(remove.optRemoveNegSteel, Qt::LeftButton);
        QVERIFY(!remove.lstSteelPos->isEnabled() && remove.lstSteelNeg->isVisible());
        for (int twice = 0; twice < 2; ++twice) {
            remove.cmdRemoveAllSteel->click();
            QCOMPARE(rig.model.NegSteelCount, 0);
        }
        QVERIFY(rig.boxes().isEmpty() && remove.lstSteelNeg->count() == 0);
        QCOMPARE(rig.model.PosSteelCount, 2);
        QCOMPARE(rig.host.redraws, 3);
        // Finished hides and redraws; Enter presses the remove dialog's default button.
        rig.add.showOrRaise();
        rig.add.cmdFinished->click();
        QVERIFY(!rig.add.isVisible());
        QCOMPARE(rig.host.redraws, 4);
        QVERIFY(Activate(remove));
        remove.lstSteelPos->setFocus();
        PressEnter(remove.lstSteelPos);
        QVERIFY(!remove.isVisible());
        QCOMPARE(rig.host.redraws, 5);
    }

    // Random text into every numeric field of every dialog, then Enter, leaving the field or the
    // confirming button, in a seeded random order: no value a dialog refuses may reach the
    // model, no field of the model may become NaN or infinite, and nothing may crash.
    void refusedTextNeverReachesTheModel() {
        const Form forms[] = {Beam, Slab, DT, TB, AddS, Steel, Conc, Loads, Fire};
        for (unsigned which = 0; which < std::size(forms); ++which) {
            std::mt19937 rng(20261206u + which);
            HostRig<> rig(forms[which].make, FloorType(rng() % 4));
            auto& [model, platform, host, dialog] = rig;
            // The slab depth is the exception users know: it is stored before it is checked.
            const bool storesBeforeChecking = forms[which].make == Slab.make;
            dialog.showOrRaise();
            const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
            const QList<QRadioButton*> options = dialog.findChildren<QRadioButton*>();
            QPushButton* confirm = dialog.findChildren<QPushButton*>(
                QRegularExpression(QStringLiteral("^(cmdOK|Okbutton|cmdAddSteel)$")))[0];
            for (int step = 0; step < 400; ++step) {
                dialog.show();
                QLineEdit* field = fields[int(rng() % fields.size())];
                const std::string before = reliability::Describe(model);
                const std::size_t boxesBefore = platform.boxes.size();
                const auto action = static_cast<unsigned>(rng() % 10);
                QString typed;
                QString what = QStringLiteral("Enter");
                if (action == 9 && !options.isEmpty()) {
                    QRadioButton* option = options[int(rng() % options.size())];
                    option->click();
                    what = option->objectName();
                } else {
                    typed = RandomFieldText(rng);
                    if (field->isEnabled()) {
                        field->setText(typed);
                    }
                    if (action < 4) {
                        QTest::keyClick(field, Qt::Key_Return);
                    } else if (action < 7) {
                        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
                        QApplication::sendEvent(field, &out);
                        what = QStringLiteral("leave");
                    } else {
                        confirm->click();
                        what = confirm->objectName();
                    }
                }
                const QString context = QStringLiteral("%1 step %2: \"%3\" in %4 then %5")
                                            .arg(dialog.objectName(), QString::number(step), typed,
                                                 field->objectName(), what);
                const std::string nonFinite = reliability::FirstNonFinite(model);
                QVERIFY2(nonFinite.empty(), qPrintable(context + QStringLiteral(": not finite: ") +
                                                       QString::fromStdString(nonFinite)));
                // Enter or leaving checks one field: when it refuses, nothing may change. The
                // buttons go on after a refusal and store the other fields, so only finiteness
                // holds for them.
                bool refused = false;
                for (std::size_t i = boxesBefore; i < platform.boxes.size(); ++i) {
                    refused |= !platform.boxes[i].text.endsWith(QStringLiteral(" has been added."));
                }
                if (refused && (what == QLatin1String("Enter") || what == QLatin1String("leave")) &&
                    !storesBeforeChecking) {
                    const std::string after = reliability::Describe(model);
                    QVERIFY2(
                        after == before,
                        qPrintable(context + QStringLiteral(": refused, yet changed:\n") +
                                   QString::fromStdString(reliability::Difference(before, after))));
                }
            }
        }
    }

    // 1E-50 fits no float. Enter refuses it in every field, leaving stores nothing, and OK
    // either refuses it and stays open or stores what the field shows: never neither.
    void tinyNumberIsRefusedByEveryFieldAndEveryOk() {
        for (const Form& form : {Beam, Slab, DT, TB, Conc, Steel, Loads, Fire, AddS}) {
            for (int i = 0, fields = 1; i < fields; ++i) {
                for (How how : {Ent, Tab, Ok, OkOpen}) {
                    FloorModel model = NewModel(form.floor);
                    FakePlatform platform;
                    FakeDialogHost host(model, platform);
                    InputDialog& d = form.make(host);
                    QVERIFY(Activate(d));
                    const QList<QLineEdit*> all = d.findChildren<QLineEdit*>();
                    fields = int(all.size());
                    QLineEdit* f = all[i];
                    QPushButton* ok = d.findChildren<QPushButton*>(
                                           QRegularExpression(QStringLiteral("^(cmdOK|Okbutton)$")))
                                          .value(0);
                    if (!f->isEnabled() || (how >= Ok && !ok)) {
                        continue;
                    }
                    RowTrace trace{d.objectName().toLatin1() + " " + f->objectName().toLatin1() +
                                   " " + QByteArray::number(how)};
                    FocusInto(f);
                    f->setText(QStringLiteral("1E-50"));
                    const std::string before = reliability::Describe(model);
                    if (how != Ok) {
                        QTest::keyClick(f, how == Tab ? Qt::Key_Tab : Qt::Key_Return);
                        QCOMPARE(reliability::Describe(model), before);
                        QVERIFY(how == Tab || !platform.boxes.empty());
                    }
                    if (how >= Ok) {
                        const std::size_t boxes = platform.boxes.size();
                        ok->click();
                        // Closed, the field shows what the model holds.
                        const double shown = ParseLeadingNumber(f->text().toStdString());
                        d.showModelValues();
                        QVERIFY(d.isVisible()
                                    ? platform.boxes.size() > boxes
                                    : ParseLeadingNumber(f->text().toStdString()) == shown);
                    }
                }
            }
        }
    }

    void concreteCancelShowsWhatEnterStoredAndPutsTheTypeBack() {
        HostRig<frmConcreteProperties> app;
        frmConcreteProperties& d = app.shown();
        Type(d.txtCompressiveStrength, QStringLiteral("40"));
        PressEnter(d.txtCompressiveStrength);
        Type(d.txtCompressiveStrength, QStringLiteral("55"));
        d.cboConcreteType->setCurrentIndex(4);
        QCOMPARE(app.model.Selected.ConcreteType, ConcreteType::Pumice);  // counts at once
        d.cmdCancel->click();
        QCOMPARE(app.model.ConcreteStrength, 40.0f);
        QCOMPARE(d.txtCompressiveStrength->text(), QStringLiteral(" 40"));
        QCOMPARE(app.model.Selected.ConcreteType, ConcreteType::AlluvialQuartz);
        QCOMPARE(d.cboConcreteType->currentIndex(), 2);
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
        for (const bool closeBox : {false, true}) {
            HostRig<frmSteelProperties> app;
            frmSteelProperties& d = app.shown();
            d.lstSteelPosType->setCurrentRow(1);
            QCOMPARE(app.model.Selected.PosSteelType, SteelType::PrestressingStrand);
            Type(d.txtSteelPosStrength, QStringLiteral("1860"));
            if (closeBox) {
                d.close();
            } else {
                d.cmdCancel->click();
            }
            QVERIFY(!d.isVisible());
            QCOMPARE(app.model.Selected.PosSteelType, SteelType::ReinforcingBar);
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

    void loadsOkStoresTheCategoryFactorOrRefusesTwoZeroFactors() {
        HostRig<frmDesignLoads> app;
        frmDesignLoads& d = app.shown();
        // A new dialog follows NZS 4203 at once: its factor fields are not read.
        QVERIFY(d.optNZS4203->isChecked() && !d.txtLiveLoadReduction->isEnabled());
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
        // OK checks every load field, and a refusal keeps the dialog open: closing it would
        // leave a field showing what the model does not hold.
        app.model.DeadLoad = 3;
        Type(d.txtDeadLoad, QStringLiteral("0"));
        Type(d.txtSpan, QStringLiteral("-1"));
        d.cmdOK->click();
        QCOMPARE(app.boxes(), (QStringList{QStringLiteral("Span is invalid!"),
                                           QStringLiteral("Dead Load is invalid!")}));
        QCOMPARE(std::tuple(app.model.DeadLoad, d.txtDeadLoad->text(), d.isVisible()),
                 std::tuple(3.0f, QStringLiteral(" 0"), true));
        d.txtDeadLoad->setText(QStringLiteral("6"));
        d.cmdOK->click();
        QCOMPARE(app.model.LiveLoad, 16.0f);
        QCOMPARE(app.model.LiveLoadFactor, 0.0f);
        QCOMPARE(app.model.DeadLoadFactor, 1.0f);
        QVERIFY(!d.isVisible());
        // User factors both zero are refused; a second OK closes.
        d.showOrRaise();
        app.platform.clear();
        d.txtDeadLoad->setText(QStringLiteral("6"));
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

    // OK chooses the standard fire; Cancel shows the stored rating again and keeps the fire.
    void standardFireOkChoosesTheFireAndCancelKeepsIt() {
        HostRig<frmStandardFire> app;
        frmStandardFire& d = app.shown();
        app.host.setDesignFire(DesignFire::NonStandard);
        Type(d.txtFRRequired, QStringLiteral("100"));
        d.cmdOK->click();
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::Standard);
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
        d.cmdOK->click();  // with the defaults of a new dialog
        QCOMPARE(int(app.model.FireLoad), 37);
        QCOMPARE(app.model.OpeningFactor, 0.04f);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::NonStandard);
        app.host.setDesignFire(DesignFire::Standard);
        d.showOrRaise();
        d.optMedFireLoad->click();
        d.optOpeningFactor08->click();
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(int(app.model.FireLoad), 37);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::Standard);
        d.showOrRaise();
        PressEnter(d.optOpeningFactor08);  // Enter presses OK
        QVERIFY(!d.isVisible());
        QCOMPARE(int(app.model.FireLoad), 74);
        QCOMPARE(app.model.OpeningFactor, 0.08f);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::NonStandard);
        // Values without an option select none, and OK keeps them.
        app.model.FireLoad = 50;
        app.model.OpeningFactor = 0.05f;
        d.showModelValues();
        for (QRadioButton* option : d.findChildren<QRadioButton*>()) {
            QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
        }
        d.cmdOK->click();
        QCOMPARE(int(app.model.FireLoad), 50);
        QCOMPARE(app.model.OpeningFactor, 0.05f);
        d.hlpNonStandardFire->click();  // the help is a box of its own, one line
        QVERIFY(app.boxes().size() == 1 && !app.boxes()[0].contains(QLatin1Char('\n')));
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

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
