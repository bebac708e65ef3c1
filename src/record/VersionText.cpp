#include "record/VersionText.h"

#include "Version.h"
#include "record/DataProvenance.h"

namespace fd9 {

std::string VersionText(const std::string& programName, const DataLocation& data) {
    std::string text = programName + " " + ProgramVersion + "\n";
    if (!data.notFoundIn.empty()) {
        return text + "no data set: the temperature data files were not found in " +
               FolderList(data.notFoundIn) + "\n";
    }
    const std::string identifier = DataSetIdentifier(data.folder);
    if (identifier.empty()) {
        return text + "no data set: the temperature data files in \"" + data.folder +
               "\" are incomplete or cannot be read\n";
    }
    return text + identifier + " in \"" + data.folder + "\"\n";
}

}  // namespace fd9
