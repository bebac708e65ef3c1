#pragma once

#include <QByteArrayView>
#include <QString>

namespace fd9 {

class Platform;

// How a failed write is told: the saves name the reason, the explorer's exports only the file.
enum class SaveWording { Saved, Written };

// Writes everything or nothing: the old file stays until the new one is complete. A failure
// is told through the platform, naming `what` ("model") and the file; false then.
bool SaveFile(Platform& platform, const QString& name, QByteArrayView bytes, const QString& what,
              SaveWording wording = SaveWording::Saved);

// What SaveFile says when it fails; reason is left out of the Written wording.
void TellNotSaved(Platform& platform, const QString& name, const QString& what,
                  const QString& reason, SaveWording wording);

}  // namespace fd9
