#pragma once

#include <QString>

#include "thermal/DataFolders.h"

namespace fd9 {

class Platform;

// The temperature data set, looked for from the program's folder.
DataLocation ShippedTempData(Platform& platform);
// The help file where it was found; beside the program when nowhere, so that the help window
// says it is missing.
QString ShippedHelpFile(Platform& platform);
inline const char* const HelpFileName = "FD9.html";

}  // namespace fd9
