// The fires behind the record's plots and the data files, against hand-worked values, and the
// data set's file names against the files shipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "thermal/FireCurves.h"
#include "thermal/TempDataFiles.h"

using namespace fd9;

TEST(FireCurves, Iso834AtTheRatings) {
    EXPECT_DOUBLE_EQ(Iso834(0), 20);
    EXPECT_NEAR(Iso834(60), 945.34, 0.01);    // 20 + 345 log10(481)
    EXPECT_NEAR(Iso834(240), 1152.82, 0.01);  // 20 + 345 log10(1921)
}

TEST(FireCurves, CompartmentFireHeatsThenDecaysAt600DegreesPerDuration) {
    const LieFire fire(37, 0.04);
    // 37 x 0.3125 / (330 x 0.04) = 0.87595 h
    EXPECT_NEAR(fire.durationHours(), 0.87595, 1e-5);
    // 250 (0.4)^(0.1 / 0.04^0.3) e^(-0.0016 t) (3(1-e^-0.6t) - (1-e^-3t) + 4(1-e^-12t)) at t = d
    EXPECT_NEAR(fire.peakTemperature(), 843.58, 0.01);
    EXPECT_NEAR(fire.gas(0.5), 783.66, 0.01);
    EXPECT_NEAR(fire.gas(2 * fire.durationHours()), 843.58 - 600, 0.01);
    EXPECT_NEAR(fire.endHours(), 2.0783, 1e-4);  // d (1 + 823.58 / 600)
    EXPECT_DOUBLE_EQ(fire.gas(10), 20);
    EXPECT_THROW(LieFire(0, 0.04), std::invalid_argument);
    EXPECT_THROW(LieFire(37, 0), std::invalid_argument);
}

TEST(FireCurves, TheDataSetNamesTheSevenShippedFiles) {
    std::set<std::string> names;
    for (const char* name : TempDataFileNames) {
        ASSERT_NE(name, nullptr);
        EXPECT_TRUE(std::filesystem::is_regular_file(std::string(FD9_DATA_DIR "/") + name)) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 7u);
}
