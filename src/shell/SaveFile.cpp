#include "shell/SaveText.h"

#include <QSaveFile>

#include "files/FileErrors.h"
#include "platform/Platform.h"

namespace fd9 {

bool SaveText(Platform& platform, const QString& name, const std::string& text,
              const QString& what) {
    QSaveFile file(name);
    // Qt 6.4 commits a save file whose buffered data failed to reach the disk, so the data is
    // flushed and checked before the commit may replace the old file.
    if (file.open(QIODevice::WriteOnly) &&
        file.write(text.data(), static_cast<qint64>(text.size())) ==
            static_cast<qint64>(text.size()) &&
        file.flush() && file.error() == QFileDevice::NoError && file.commit()) {
        return true;
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    platform.messageBox(
        QStringLiteral("The %1 could not be saved in %2: %3. Any file of that name is unchanged.")
            .arg(what, name, reason),
        QString::fromLatin1(FileErrorTitle), MsgIcon::Exclamation, MsgButtons::OK);
    return false;
}

}  // namespace fd9
