#include "shell/ReportFileError.h"

#include "files/FileErrors.h"
#include "platform/Platform.h"

namespace fd9 {

std::int16_t ReportFileError(Platform& platform, std::int16_t code) {
    const std::optional<FileErrorBox> box = FindFileErrorBox(code);
    if (!box) {
        return static_cast<std::int16_t>(FileErrorAnswer::GiveUpQuietly);
    }
    const MsgAnswer answer =
        platform.messageBox(QString::fromLatin1(box->text), QString::fromLatin1(FileErrorTitle),
                            box->icon, box->buttons);
    return static_cast<std::int16_t>(FileErrorAnswerFor(answer));
}

}  // namespace fd9
