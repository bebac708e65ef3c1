#include "shell/SaveFile.h"

#include "files/FileErrors.h"
#include "platform/Platform.h"
#include "record/WriteWholeFile.h"

namespace fd9 {

void TellNotSaved(Platform& platform, const QString& name, const QString& what,
                  const QString& reason, SaveWording wording) {
    if (wording == SaveWording::Written) {
        platform.messageBox(QStringLiteral("The %1 could not be written to %2.").arg(what, name),
                            QString::fromLatin1(AppTitle), MsgIcon::Exclamation, MsgButtons::OK);
        return;
    }
    platform.messageBox(
        QStringLiteral("The %1 could not be saved in %2: %3. Any file of that name is unchanged.")
            .arg(what, name, reason),
        QString::fromLatin1(FileErrorTitle), MsgIcon::Exclamation, MsgButtons::OK);
}

bool SaveFile(Platform& platform, const QString& name, QByteArrayView bytes, const QString& what,
              SaveWording wording) {
    const std::optional<QString> reason = WriteWholeFile(name, bytes);
    if (!reason) {
        return true;
    }
    TellNotSaved(platform, name, what, *reason, wording);
    return false;
}

}  // namespace fd9
