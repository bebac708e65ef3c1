#include "shell/ReportFileError.h"

#include "files/FileErrors.h"
#include "shell/Platform.h"

namespace fd9 {

namespace {

MsgButtons ToButtons(FileErrorButtons buttons) {
    switch (buttons) {
        case FileErrorButtons::YesNo:
            return MsgButtons::YesNo;
        case FileErrorButtons::YesNoCancel:
            return MsgButtons::YesNoCancel;
        case FileErrorButtons::AbortRetryIgnore:
            return MsgButtons::AbortRetryIgnore;
        case FileErrorButtons::OK:
            break;
    }
    return MsgButtons::OK;
}

FileErrorButton FromAnswer(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Yes:
            return FileErrorButton::Yes;
        case MsgAnswer::No:
            return FileErrorButton::No;
        case MsgAnswer::Cancel:
            return FileErrorButton::Cancel;
        case MsgAnswer::Abort:
            return FileErrorButton::Abort;
        case MsgAnswer::Retry:
            return FileErrorButton::Retry;
        case MsgAnswer::Ignore:
            return FileErrorButton::Ignore;
        case MsgAnswer::OK:
            break;
    }
    return FileErrorButton::OK;
}

}  // namespace

std::int16_t ReportFileError(Platform& platform, std::int16_t code) {
    const std::optional<FileErrorBox> box = FindFileErrorBox(code);
    if (!box) {
        return static_cast<std::int16_t>(FileErrorAnswer::GiveUpQuietly);
    }
    const MsgAnswer answer = platform.messageBox(
        QString::fromLatin1(box->text), QString::fromLatin1(FileErrorTitle),
        box->icon == FileErrorIcon::Question ? MsgIcon::Question : MsgIcon::Exclamation,
        ToButtons(box->buttons));
    return static_cast<std::int16_t>(FileErrorAnswerFor(FromAnswer(answer)));
}

}  // namespace fd9
