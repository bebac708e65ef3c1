// Random text into every numeric field of every dialog, then Enter, leaving the field or the
// confirming button, in a seeded random order: no value a dialog refuses may reach the model,
// no field of the model may become NaN or infinite, and nothing may crash.
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <random>

#include "../reliability/ModelFields.h"
#include "dialogs/InputDialog.h"
#include "dialogs/frmAddSteel.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

namespace {

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
    std::uniform_int_distribution<int> count(0, 4);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    QString text;
    for (int n = count(rng); n >= 0; --n) {
        text += QString::fromLatin1(pieces[pick(rng)]);
    }
    return text;
}

struct DialogCase {
    const char* name;
    InputDialog& (*open)(DialogHost&);
    bool storesBeforeChecking = false;
};

template <class Dialog>
InputDialog& Make(DialogHost& host) {
    return *new Dialog(host);
}

const DialogCase Cases[] = {
    {"BeamDimensions", Make<frmBeamDimensions>},
    {"SlabDimensions", Make<frmSlabDimensions>, true},
    {"DoubleTeeDimensions", Make<frmDoubleTeeDimensions>},
    {"TeeBeamDimensions", Make<frmTeeBeamDimensions>},
    {"AddSteel", Make<frmAddSteel>},
    {"SteelProperties", Make<frmSteelProperties>},
    {"ConcreteProperties", Make<frmConcreteProperties>},
    {"DesignLoads", Make<frmDesignLoads>},
    {"StandardFire", Make<frmStandardFire>},
};

// The offscreen platform warns on every raise(); thousands of those hide the failures.
void QuietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()"))) {
        return;
    }
    qt_message_output(type, context, message);
}

}  // namespace

class tst_reliabilityDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        qInstallMessageHandler(QuietRaise);
    }

    void refusedTextNeverReachesTheModel() {
        for (unsigned which = 0; which < std::size(Cases); ++which) {
            const DialogCase& c = Cases[which];
            std::mt19937 rng(20261206u + which);
            FloorModel model = NewModel();
            FakePlatform platform;
            FakeDialogHost host(model, platform);
            const FloorType floors[] = {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee,
                                        FloorType::TeeBeam};
            host.setFloorType(floors[std::uniform_int_distribution<int>(0, 3)(rng)]);

            InputDialog& dialog = c.open(host);
            dialog.showOrRaise();
            const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
            QList<QPushButton*> confirm;
            for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
                const QString n = b->objectName();
                if (n == QLatin1String("cmdOK") || n == QLatin1String("Okbutton") ||
                    n == QLatin1String("cmdAddSteel")) {
                    confirm.push_back(b);
                }
            }
            const QList<QRadioButton*> options = dialog.findChildren<QRadioButton*>();
            QVERIFY2(!fields.isEmpty(), c.name);

            for (int step = 0; step < 400; ++step) {
                dialog.showOrRaise();
                QLineEdit* field =
                    fields[std::uniform_int_distribution<int>(0, fields.size() - 1)(rng)];
                const std::string before = reliability::Describe(model);
                const std::size_t boxesBefore = platform.boxes.size();
                const int action = std::uniform_int_distribution<int>(0, 9)(rng);
                QString typed;
                QString what;
                if (action == 9 && !options.isEmpty()) {
                    QRadioButton* option =
                        options[std::uniform_int_distribution<int>(0, options.size() - 1)(rng)];
                    option->click();
                    what = QStringLiteral("click ") + option->objectName();
                } else {
                    typed = RandomFieldText(rng);
                    if (field->isEnabled()) {
                        field->setText(typed);
                    }
                    if (action < 4) {
                        QTest::keyClick(field, Qt::Key_Return);
                        what = QStringLiteral("Enter");
                    } else if (action < 7 || confirm.isEmpty()) {
                        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
                        QApplication::sendEvent(field, &out);
                        what = QStringLiteral("leave");
                    } else {
                        QPushButton* button =
                            confirm[std::uniform_int_distribution<int>(0, confirm.size() - 1)(rng)];
                        button->click();
                        what = QStringLiteral("click ") + button->objectName();
                    }
                }
                const QString context = QStringLiteral("%1 step %2: \"%3\" in %4 then %5")
                                            .arg(QLatin1String(c.name))
                                            .arg(step)
                                            .arg(typed, field->objectName(), what);
                const std::string nonFinite = reliability::FirstNonFinite(model);
                QVERIFY2(nonFinite.empty(),
                         qPrintable(context + QStringLiteral(": model field %1 is not finite")
                                                  .arg(QString::fromStdString(nonFinite))));
                // Enter or leaving checks one field: when it refuses, nothing may change. The slab
                // depth is the exception users know: it is stored before it is checked. The
                // buttons go on after a refusal and store the other fields, so only finiteness
                // holds for them.
                bool refused = false;
                for (std::size_t i = boxesBefore; i < platform.boxes.size(); ++i) {
                    refused =
                        refused ||
                        (platform.boxes[i].icon == MsgIcon::None &&
                         !platform.boxes[i].text.endsWith(QStringLiteral(" has been added.")));
                }
                const bool singleField =
                    what == QLatin1String("Enter") || what == QLatin1String("leave");
                if (refused && singleField && !c.storesBeforeChecking) {
                    const std::string after = reliability::Describe(model);
                    QVERIFY2(
                        after == before,
                        qPrintable(context + QStringLiteral(": refused, yet the model changed:\n") +
                                   QString::fromStdString(reliability::Difference(before, after))));
                }
            }
        }
    }
};

QTEST_MAIN(tst_reliabilityDialogs)
#include "tst_reliabilityDialogs.moc"
