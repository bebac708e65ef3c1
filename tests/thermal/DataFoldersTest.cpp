#include "thermal/DataFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../calc/ExampleMembers.h"
#include "calc/Calculate.h"
#include "thermal/TempDataFiles.h"

using namespace fd9;
namespace fs = std::filesystem;

TEST(DataFolders, BesideTheProgramThenTheTreeAboveItThenThePrefixEachOnce) {
    const struct {
        const char* program;
        std::vector<std::string> folders;
    } cases[] = {
        {"/opt/fd9/bin", {"/opt/fd9/bin", "/opt/fd9/share/fd9", "/usr/share/fd9"}},
        {"/usr/bin", {"/usr/bin", "/usr/share/fd9"}},
        {"/home/e/fd9/", {"/home/e/fd9", "/home/e/share/fd9", "/usr/share/fd9"}},
        {"/", {"/", "/share/fd9", "/usr/share/fd9"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DataSearchFolders(c.program, "/usr/share/fd9"), c.folders) << c.program;
    }
}

// The data come from the first folder that has any of them, also the files missing there; with
// none anywhere the run names every folder searched.
TEST(DataFolders, OneFolderGivesAllTheDataOrTheRunNamesEveryPlace) {
    const fs::path root =
        fs::path(::testing::TempDir()) / ("fd9_folders_" + std::to_string(getpid()));
    const std::vector<std::string> folders = {(root / "bin").string(), (root / "share").string(),
                                              (root / "prefix").string()};
    for (const std::string& folder : folders) {
        fs::create_directories(folder);
        for (const char* name : TempDataFileNames) {
            std::ofstream(fs::path(folder) / name) << "0,0,0,0,0\n";
        }
    }
    const auto stopOf = [](const DataLocation& data) {
        FloorModel model = examples::Member(FloorType::Slab, SupportCondition::SimplySupported);
        TempDataContext context{data.folder, "", data.notFoundIn};
        return Calculate(model, context).stopMessage;
    };
    for (const char* name : TempDataFileNames) {
        fs::remove(fs::path(folders[0]) / name);
    }
    fs::remove(fs::path(folders[1]) / "aqslab.con");
    const DataLocation found = LocateFiles(folders, TempDataFileNames);
    EXPECT_EQ(std::pair(found.folder, found.notFoundIn.empty()), std::pair(folders[1], true));
    EXPECT_EQ(stopOf(found),
              "The temperature data file \"aqslab.con\" was not found in the folder \"" +
                  folders[1] + "\".");

    const std::vector<std::string> empty = {folders[0], (root / "none").string()};
    const DataLocation none = LocateFiles(empty, TempDataFileNames);
    EXPECT_EQ(std::pair(none.folder, none.notFoundIn), std::pair(folders[0], empty));
    EXPECT_EQ(stopOf(none),
              "The temperature data file \"aqslab.con\" was not found in the folders \"" +
                  empty[0] + "\" and \"" + empty[1] + "\".");
    fs::remove_all(root);
}
