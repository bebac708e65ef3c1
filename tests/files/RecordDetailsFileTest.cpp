#include <gtest/gtest.h>

#include "files/RecordDetailsFile.h"

namespace fd9 {
namespace {

TEST(RecordDetailsFile, EveryFieldComesBackWithLineBreaksAndBackslashes) {
    const RecordDetails details{"Harbour car park",
                                "2026-114",
                                "Level 2, grid C/4",
                                "A. Engineer",
                                "B. Checker",
                                "Consulting \\ Partners",
                                "C",
                                "first line\nC:\\path\\n stays\n"};
    const std::string text = RecordDetailsText(details);
    EXPECT_NE(text.find("note = first line\\nC:\\\\path\\\\n stays\\n\n"), std::string::npos);
    const RecordDetailsRead read = ReadRecordDetails(text);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.details, details);
}

RecordDetails ProjectAndJob(const char* project, const char* job) {
    RecordDetails details;
    details.project = project;
    details.job = job;
    return details;
}

TEST(RecordDetailsFile, ReadsWhatAPersonWrites) {
    struct Case {
        const char* text;
        RecordDetails details;
        const char* error;
    };
    const Case cases[] = {
        {"\n# a comment\r\n  project =  Bridge St  \r\n\njob=7\n", ProjectAndJob("Bridge St", "7"),
         ""},
        {"revision = \n", {}, ""},
        {"job = 1 = 2\n", ProjectAndJob("", "1 = 2"), ""},
        {"project = A\n\nengineeer = B\n", {}, "line 3: unknown key \"engineeer\""},
        {"project = A\nchecker\n", {}, "line 2: \"key = value\" expected"},
    };
    for (const Case& c : cases) {
        const RecordDetailsRead read = ReadRecordDetails(c.text);
        EXPECT_EQ(read.error, c.error) << c.text;
        if (read.error.empty()) {
            EXPECT_EQ(read.details, c.details) << c.text;
        }
    }
    EXPECT_EQ(RecordDetailsPathFor("dir/beam.dat"), "dir/beam.dat.details");
}

}  // namespace
}  // namespace fd9
