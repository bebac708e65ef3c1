#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace fd9 {

// Writes everything or nothing: the old file stays until the new one is complete. Nothing when
// written; otherwise why not, as the system says it.
std::optional<QString> WriteWholeFile(const QString& name, QByteArrayView bytes);

}  // namespace fd9
