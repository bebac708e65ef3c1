#include "record/WriteWholeFile.h"

#include <QSaveFile>

namespace fd9 {

std::optional<QString> WriteWholeFile(const QString& name, QByteArrayView bytes) {
    QSaveFile file(name);
    // Qt 6.4 commits a save file whose buffered data failed to reach the disk, and a full disk
    // shows only as a failed write or flush, so both are checked before the commit may replace
    // the old file.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size() &&
        file.flush() && file.error() == QFileDevice::NoError && file.commit()) {
        return std::nullopt;
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
}

}  // namespace fd9
