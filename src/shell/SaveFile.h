#pragma once

#include <QString>
#include <string>

namespace fd9 {

class Platform;

// Writes everything or nothing: the old file stays until the new one is complete. A failure
// is told through the platform, naming `what` ("model") and the file; false then.
bool SaveText(Platform& platform, const QString& name, const std::string& text,
              const QString& what);

}  // namespace fd9
