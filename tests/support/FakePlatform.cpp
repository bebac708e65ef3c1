#include "support/FakePlatform.h"

#include <QDialog>
#include <QStringList>

namespace fd9 {

MsgAnswer FakePlatform::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                   MsgButtons buttons) {
    boxes.push_back({text, title, icon, buttons});
    if (!answers.empty()) {
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == MsgButtons::YesNo              ? MsgAnswer::No
           : buttons == MsgButtons::YesNoCancel      ? MsgAnswer::Cancel
           : buttons == MsgButtons::AbortRetryIgnore ? MsgAnswer::Abort
                                                     : MsgAnswer::OK;
}

void FakePlatform::setBusy(bool busy) {
    busyDepth += busy ? 1 : -1;
    maxBusyDepth = std::max(maxBusyDepth, busyDepth);
}

static std::optional<QString> NextFileName(std::deque<std::optional<QString>>& names) {
    std::optional<QString> name;
    if (!names.empty()) {
        name.swap(names.front());
        names.pop_front();
    }
    return name;
}

std::optional<QString> FakePlatform::openFileName(const FileDialogRequest& request) {
    fileRequests.push_back({false, request});
    return NextFileName(fileNames);
}

std::optional<QString> FakePlatform::saveFileName(const FileDialogRequest& request) {
    fileRequests.push_back({true, request});
    return NextFileName(fileNames);
}

bool FakePlatform::runModal(QDialog& dialog) {
    ++modalDialogs;
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (!dialogActions.empty()) {
        const std::function<void(QDialog&)> act = std::move(dialogActions.front());
        dialogActions.pop_front();
        act(dialog);
    }
    const bool accepted = dialog.result() == QDialog::Accepted;
    dialog.hide();
    return accepted;
}

QStringList FakePlatform::boxTexts() const {
    QStringList texts;
    for (const Box& box : boxes) {
        texts << box.text;
    }
    return texts;
}

void FakePlatform::clear() {
    boxes.clear();
    fileRequests.clear();
    helpRequests.clear();
    beeps = 0;
}

}  // namespace fd9
