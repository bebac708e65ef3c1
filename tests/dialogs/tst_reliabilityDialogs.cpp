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
#include "dialogs/frmAddSteel.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
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
    QString text;
    for (unsigned n = rng() % 5 + 1; n > 0; --n) {
        text += QString::fromLatin1(pieces[rng() % std::size(pieces)]);
    }
    return text;
}

}  // namespace

class tst_reliabilityDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void refusedTextNeverReachesTheModel() {
        // The slab depth is the exception users know: it is stored before it is checked.
        const std::pair<InputDialog& (*)(DialogHost&), bool> cases[] = {
            {Make<frmBeamDimensions>, false},
            {Make<frmSlabDimensions>, true},
            {Make<frmDoubleTeeDimensions>, false},
            {Make<frmTeeBeamDimensions>, false},
            {Make<frmAddSteel>, false},
            {Make<frmSteelProperties>, false},
            {Make<frmConcreteProperties>, false},
            {Make<frmDesignLoads>, false},
            {Make<frmStandardFire>, false},
        };
        for (unsigned which = 0; which < std::size(cases); ++which) {
            std::mt19937 rng(20261206u + which);
            FloorModel model = NewModel(FloorType(rng() % 4));
            FakePlatform platform;
            FakeDialogHost host(model, platform);
            InputDialog& dialog = cases[which].first(host);
            dialog.showOrRaise();
            const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
            const QList<QRadioButton*> options = dialog.findChildren<QRadioButton*>();
            QList<QPushButton*> confirm;
            for (const char* name : {"cmdOK", "Okbutton", "cmdAddSteel"}) {
                if (auto* button = dialog.findChild<QPushButton*>(QLatin1String(name))) {
                    confirm << button;
                }
            }
            for (int step = 0; step < 400; ++step) {
                dialog.show();
                QLineEdit* field = fields[int(rng() % fields.size())];
                const std::string before = reliability::Describe(model);
                const std::size_t boxesBefore = platform.boxes.size();
                const unsigned action = rng() % 10;
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
                        QPushButton* button = confirm[int(rng() % confirm.size())];
                        button->click();
                        what = button->objectName();
                    }
                }
                const QString context = QStringLiteral("%1 step %2: \"%3\" in %4 then %5")
                                            .arg(dialog.objectName())
                                            .arg(step)
                                            .arg(typed, field->objectName(), what);
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
                    !cases[which].second) {
                    const std::string after = reliability::Describe(model);
                    QVERIFY2(
                        after == before,
                        qPrintable(context + QStringLiteral(": refused, yet changed:\n") +
                                   QString::fromStdString(reliability::Difference(before, after))));
                }
            }
        }
    }
};

QTEST_MAIN(tst_reliabilityDialogs)
#include "tst_reliabilityDialogs.moc"
