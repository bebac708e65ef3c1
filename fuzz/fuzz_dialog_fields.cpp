// Any sequence of texts typed into the number fields of the dialogs, each followed by Enter,
// leaving the field, the confirming button or an option click: no model field may become NaN
// or infinite, a refusal on Enter or on leaving must leave the model as it was (the slab depth
// excepted: it is stored before it is checked), and nothing may crash.
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "../tests/reliability/ModelFields.h"
#include "dialogs/InputDialog.h"
#include "dialogs/frmAddSteel.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

InputDialog& Open(frmMenu& menu, int which) {
    switch (which) {
        case 0:
            return menu.beamDimensions();
        case 1:
            return menu.slabDimensions();
        case 2:
            return menu.doubleTeeDimensions();
        case 3:
            return menu.teeBeamDimensions();
        case 4:
            return menu.addSteel();
        case 5:
            return menu.steelProperties();
        case 6:
            return menu.concreteProperties();
        case 7:
            return menu.designLoads();
        default:
            return menu.standardFire();
    }
}

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
    QLocale::setDefault(QLocale::c());
    new QApplication(*argc, *argv);  // lives for the whole run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // One main window for the whole run, as in the program; New discards the dialogs.
    static FloorModel& model = *new FloorModel;
    static FakePlatform& platform = *new FakePlatform;
    static frmMenu& menu = *new frmMenu(model, platform);
    menu.ResetModel();
    platform.boxes.clear();
    menu.setFloorType(static_cast<FloorType>(data[1] % 4));
    const int which = data[0] % 9;
    InputDialog& dialog = Open(menu, which);
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

    std::size_t at = 2;
    for (int step = 0; at + 2 <= size && step < 64; ++step) {
        const std::uint8_t op = data[at];
        const std::size_t length = std::min<std::size_t>(data[at + 1] % 32, size - at - 2);
        const QString text =
            QString::fromLatin1(reinterpret_cast<const char*>(data + at + 2), qsizetype(length));
        at += 2 + length;
        dialog.showOrRaise();
        QLineEdit* field = fields[op % fields.size()];
        const int action = (op / 16) % 4;
        const std::string before = reliability::Describe(model);
        const std::size_t boxesBefore = platform.boxes.size();
        if (action == 3) {
            if (!options.isEmpty())
                options[op % options.size()]->click();
        } else {
            if (field->isEnabled())
                field->setText(text);
            if (action == 0) {
                QTest::keyClick(field, Qt::Key_Return);
            } else if (action == 1 || confirm.isEmpty()) {
                QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
                QApplication::sendEvent(field, &out);
            } else {
                confirm[op % confirm.size()]->click();
            }
        }
        const std::string nonFinite = reliability::FirstNonFinite(model);
        if (!nonFinite.empty()) {
            Fail(QStringLiteral("\"%1\" in %2: %3 is not finite")
                     .arg(text, field->objectName(), QString::fromStdString(nonFinite)));
        }
        bool refused = false;
        for (std::size_t i = boxesBefore; i < platform.boxes.size(); ++i) {
            refused =
                refused || (platform.boxes[i].icon == MsgIcon::None &&
                            !platform.boxes[i].text.endsWith(QStringLiteral(" has been added.")));
        }
        if (refused && action <= 1 && which != 1 && reliability::Describe(model) != before) {
            Fail(QStringLiteral("\"%1\" in %2 was refused, yet the model changed:\n%3")
                     .arg(text, field->objectName(),
                          QString::fromStdString(
                              reliability::Difference(before, reliability::Describe(model)))));
        }
    }
    return 0;
}
