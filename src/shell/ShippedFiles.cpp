#include "shell/ShippedFiles.h"

#include <QDir>

#include "platform/Platform.h"

namespace fd9 {

namespace {

std::string ProgramFolder(Platform& platform) {
    return platform.programDirectory().trimmed().toStdString();
}

}  // namespace

DataLocation ShippedTempData(Platform& platform) {
    return LocateTempData(ProgramFolder(platform));
}

QString ShippedHelpFile(Platform& platform) {
    const char* const names[] = {HelpFileName};
    const DataLocation help = LocateFiles(DataSearchFolders(ProgramFolder(platform)), names);
    // QDir joins with one separator, also when the folder is the root.
    return QDir(QString::fromStdString(help.folder)).filePath(QString::fromLatin1(HelpFileName));
}

}  // namespace fd9
