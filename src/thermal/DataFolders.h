#pragma once

#include <span>
#include <string>
#include <vector>

namespace fd9 {

// The folder the data and the help live in below an install prefix.
inline constexpr const char* DataSubfolder = "share/fd9";

// Where the temperature data and the help are looked for, in order: the program's own folder
// (a build tree), <program folder>/../share/fd9 (an installed tree, wherever it was moved), and
// the install prefix built in. Each folder once.
std::vector<std::string> DataSearchFolders(const std::string& programDir,
                                           const std::string& installedDir);
std::vector<std::string> DataSearchFolders(const std::string& programDir);

struct DataLocation {
    // The first folder searched that holds any of the files; the program's own when none does.
    std::string folder;
    // Empty when found; otherwise every folder searched, in order.
    std::vector<std::string> notFoundIn;
};

// All files are read from the one folder found, also those missing there: a data set mixed
// from two installs would match neither's identifier.
DataLocation LocateFiles(const std::vector<std::string>& folders,
                         std::span<const char* const> names);
// The seven temperature data files.
DataLocation LocateTempData(const std::string& programDir);

// "the folders "/a", "/b" and "/c"", or "the folder "/a"".
std::string FolderList(const std::vector<std::string>& folders);

}  // namespace fd9
