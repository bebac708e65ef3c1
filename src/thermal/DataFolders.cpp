#include "thermal/DataFolders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "InstallPaths.h"
#include "thermal/TempDataFiles.h"

namespace fd9 {

namespace fs = std::filesystem;

std::vector<std::string> DataSearchFolders(const std::string& programDir,
                                           const std::string& installedDir) {
    // Lexically only: the program's folder comes from the system already resolved, and the
    // messages should name the folders as a person would type them.
    const fs::path program = fs::path(programDir).lexically_normal();
    std::vector<std::string> folders;
    for (const fs::path& folder : {program, (program / ".." / DataSubfolder).lexically_normal(),
                                   fs::path(installedDir).lexically_normal()}) {
        std::string text = folder.string();
        if (text.size() > 1 && text.back() == '/') {
            text.pop_back();
        }
        if (!text.empty() && std::find(folders.begin(), folders.end(), text) == folders.end()) {
            folders.push_back(text);
        }
    }
    return folders;
}

std::vector<std::string> DataSearchFolders(const std::string& programDir) {
    return DataSearchFolders(programDir, InstalledDataDir);
}

DataLocation LocateFiles(const std::vector<std::string>& folders,
                         std::span<const char* const> names) {
    for (const std::string& folder : folders) {
        const bool holdsAny = std::any_of(names.begin(), names.end(), [&](const char* name) {
            std::error_code error;
            return fs::is_regular_file(fs::path(folder) / name, error);
        });
        if (holdsAny) {
            return {folder, {}};
        }
    }
    return {folders.empty() ? std::string() : folders.front(), folders};
}

DataLocation LocateTempData(const std::string& programDir) {
    return LocateFiles(DataSearchFolders(programDir), TempDataFileNames);
}

std::string FolderList(const std::vector<std::string>& folders) {
    std::string text = folders.size() == 1 ? "the folder " : "the folders ";
    for (std::size_t i = 0; i < folders.size(); ++i) {
        if (i > 0) {
            text += i + 1 == folders.size() ? " and " : ", ";
        }
        text += "\"" + folders[i] + "\"";
    }
    return text;
}

}  // namespace fd9
