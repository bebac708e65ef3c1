#pragma once

#include <string>

#include "thermal/DataFolders.h"

namespace fd9 {

// Two lines, for --version and Help > About: the program's name and version, then the data
// set's identifier and its folder, or where no data set was found.
std::string VersionText(const std::string& programName, const DataLocation& data);

}  // namespace fd9
