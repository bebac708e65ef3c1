#include <QLabel>
#include <QPalette>

#include "calc/Calculate.h"
#include "platform/Platform.h"
#include "shell/ShippedFiles.h"
#include "shell/frmMenu.h"

namespace fd9 {

namespace {

// The calculation writes line breaks as CR (message area) and CR LF (boxes); Qt breaks on LF.
QString DisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

}  // namespace

void frmMenu::Calculate() {
    BusyPointer busy(platform_);
    const DataLocation data = ShippedTempData(platform_);
    TempDataContext context{data.folder, TempDataFile, data.notFoundIn};
    const CalculationOutcome outcome = fd9::Calculate(model_, context);
    TempDataFile = context.TempDataFile;
    if (outcome.nothingHappened) {
        return;
    }
    lastRunStopped_ = !outcome.completed;

    for (int i = 0; i < ResultLabelCount; ++i) {
        if (outcome.labels[i]) {
            resultLabel(static_cast<ResultLabel>(i))->setText(DisplayText(*outcome.labels[i]));
        }
    }
    if (outcome.failureModeRed) {
        QPalette palette = lblFailureMode->palette();
        palette.setColor(QPalette::WindowText, *outcome.failureModeRed ? Qt::red : Qt::black);
        lblFailureMode->setPalette(palette);
    }

    for (const CalculationBox& box : outcome.boxes) {
        platform_.messageBox(DisplayText(box.text), QString::fromLatin1(AppTitle),
                             box.exclamation ? MsgIcon::Exclamation : MsgIcon::None,
                             MsgButtons::OK);
    }

    if (outcome.messages) {
        lblMessages->setText(DisplayText(*outcome.messages));
    }
    if (outcome.panel) {
        ShowResultPanel(static_cast<int>(*outcome.panel));
    }
}

}  // namespace fd9
