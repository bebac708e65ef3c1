#include "thermal/DataFolders.h"

#include <gtest/gtest.h>

using namespace fd9;

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
