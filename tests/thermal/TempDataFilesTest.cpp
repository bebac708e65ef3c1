#include "thermal/TempDataFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace fd9 {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

// Each case writes its records to a file of its own, so the records sit beside the answer.
std::string WriteDataFile(const std::string& name, const std::string& text) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "fd9_tempdata" /
        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

std::string FolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

// The rating 60 block of 300 mm and the narrower 150 mm block of the same fire.
const char* const TwoWidthBlocks =
    "60, 300, 0, 900, 0\n"
    "60, 300, 20, 500, 0\n"
    "60, 300, 40, 300, 0\n"
    "60, 150, 0, 950, 0\n"
    "60, 150, 20, 600, 0\n"
    "60, 150, 40, 400, 0\n"
    "60, 150, 80, 200, 0\n";

struct TempCase {
    const char* name;
    const char* file;
    const char* records;
    std::int16_t key;
    float widthLimit;
    float openingFactor;
    float target;
    PreviousRecordRule rule;
    std::optional<float> expected;
};

class FindTempAtDepthTest : public ::testing::TestWithParam<TempCase> {};

TEST_P(FindTempAtDepthTest, FindsTheTabulatedOrInterpolatedTemperature) {
    const TempCase& c = GetParam();
    const std::string path = WriteDataFile(c.file, c.records);
    FloorModel model;
    const std::optional<float> found = FindTempAtDepth(
        model, path, LayoutOfFile(c.file), c.key, c.widthLimit, c.openingFactor, c.target, c.rule);
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_NEAR(*found, *c.expected, std::max(1e-4, 1e-6 * std::abs(*c.expected)));
    }
}

constexpr auto Both = PreviousRecordRule::Both;
constexpr auto Either = PreviousRecordRule::Either;

INSTANTIATE_TEST_SUITE_P(
    Searches, FindTempAtDepthTest,
    ::testing::Values(
        TempCase{"WorkedExampleInterpolatesAt30mm", "denbeam.con",
                 "60,300,20,500,0\n60,300,40,300,0\n", 60, 300, 0, 30, Either, 400.0f},
        TempCase{"WorkedExampleUnderRuleBoth", "denbeam.con", "60,300,20,500,0\n60,300,40,300,0\n",
                 60, 300, 0, 30, Both, 400.0f},
        TempCase{"ExactDepthOfFirstRecordNeedsNoPrevious", "denbeam.con",
                 "60,300,20,500,0\n60,300,40,300,0\n", 60, 300, 0, 20, Both, 500.0f},
        // The first record is skipped; the second extrapolates towards the surface with it.
        TempCase{"FirstRecordIsNeverInterpolated", "denbeam.con",
                 "60,300,20,500,0\n60,300,40,300,0\n", 60, 300, 0, 10, Either, 600.0f},
        TempCase{"RuleBothRefusesAPreviousDepthOfZero", "denbeam.con",
                 "60,300,0,900,0\n60,300,20,500,0\n", 60, 300, 0, 10, Both, std::nullopt},
        TempCase{"RuleEitherAcceptsAPreviousDepthOfZero", "denbeam.con",
                 "60,300,0,900,0\n60,300,20,500,0\n", 60, 300, 0, 10, Either, 700.0f},
        TempCase{"RuleBothRefusesAPreviousTemperatureOfZero", "denbeam.con",
                 "60,300,10,0,0\n60,300,20,500,0\n", 60, 300, 0, 15, Both, std::nullopt},
        TempCase{"RuleEitherAcceptsAPreviousTemperatureOfZero", "denbeam.con",
                 "60,300,10,0,0\n60,300,20,500,0\n", 60, 300, 0, 15, Either, 250.0f},
        TempCase{"WidthKeyEqualToTheLimitQualifies", "denbeam.con", TwoWidthBlocks, 60, 300, 0, 30,
                 Either, 400.0f},
        TempCase{"WiderBlockIsSkipped", "denbeam.con", TwoWidthBlocks, 60, 299, 0, 30, Either,
                 500.0f},
        TempCase{"TargetBeyondTheBlockCarriesOnIntoANarrowerBlock", "denbeam.con", TwoWidthBlocks,
                 60, 300, 0, 60, Either, 300.0f},
        TempCase{"WidthBelowEveryKeyIsNotFound", "denbeam.con", TwoWidthBlocks, 60, 149, 0, 30,
                 Either, std::nullopt},
        TempCase{"RatingNotInTheFileIsNotFound", "denbeam.con", TwoWidthBlocks, 90, 300, 0, 30,
                 Either, std::nullopt},
        TempCase{"TargetBeyondEveryRecordIsNotFound", "denbeam.con", TwoWidthBlocks, 60, 300, 0, 81,
                 Either, std::nullopt},
        // The rating 60 block starts below the target: it interpolates with the rating 30 block.
        TempCase{"BlockStartingBelowTheTargetUsesTheRecordBeforeIt", "denbeam.con",
                 "30,300,0,800,0\n30,300,50,200,0\n60,300,20,500,0\n60,300,40,300,0\n", 60, 300, 0,
                 10, Either, 600.0f},
        TempCase{"NonStandardBeamTakesDepthAndTemperatureFromTheLastTwoNumbers", "realbm.con",
                 "74,300,0.04,20,500\n74,300,0.04,40,300\n", 74, 300, 0.04f, 30, Either, 400.0f},
        TempCase{"NonStandardBeamMatchesTheOpeningFactorExactly", "realbm.con",
                 "74,300,0.0400001,20,900\n74,300,0.0400001,40,700\n"
                 "74,300,0.04,20,500\n74,300,0.04,40,300\n",
                 74, 300, 0.04f, 30, Either, 400.0f},
        TempCase{"NonStandardBeamOtherOpeningFactorIsNotFound", "realbm.con",
                 "74,300,0.04,20,500\n74,300,0.04,40,300\n", 74, 300, 0.02f, 30, Either,
                 std::nullopt},
        TempCase{"NonStandardSlabIgnoresTheWidth", "realslab.con",
                 "111,0.15,20,500,0\n111,0.15,40,300,0\n", 111, 0, 0.15f, 30, Either, 400.0f},
        TempCase{"NonStandardSlabMatchesTheOpeningFactorExactly", "realslab.con",
                 "111,0.150001,20,500,0\n111,0.150001,40,300,0\n", 111, 0, 0.15f, 30, Either,
                 std::nullopt},
        TempCase{"LineStructureDoesNotMatter", "denbeam.con",
                 "60 300\r\n20,500 0 60\r\n300,\t40\n300,0", 60, 300, 0, 30, Either, 400.0f},
        TempCase{"EmptyFileIsNotFound", "denbeam.con", "", 60, 300, 0, 30, Either, std::nullopt},
        // Reading ends at the answer, so what follows it is never looked at.
        TempCase{"ReadingStopsAtTheAnswer", "denbeam.con", "60,300,20,500,0\nnot numbers", 60, 300,
                 0, 20, Either, 500.0f}),
    [](const ::testing::TestParamInfo<TempCase>& info) { return std::string(info.param.name); });

struct DepthCase {
    const char* name;
    const char* file;
    const char* records;
    std::int16_t key;
    float widthLimit;
    float openingFactor;
    std::optional<float> expected;
};

class FindDepthAt750Test : public ::testing::TestWithParam<DepthCase> {};

TEST_P(FindDepthAt750Test, FindsTheDepthOf750Degrees) {
    const DepthCase& c = GetParam();
    const std::string path = WriteDataFile(c.file, c.records);
    FloorModel model;
    const std::optional<float> found =
        FindDepthAt750(model, path, LayoutOfFile(c.file), c.key, c.widthLimit, c.openingFactor);
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_NEAR(*found, *c.expected, std::max(1e-4, 1e-6 * std::abs(*c.expected)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Searches, FindDepthAt750Test,
    ::testing::Values(
        DepthCase{"WorkedExampleGives15mm", "denbeam.con", "60,300,10,800,0\n60,300,20,700,0\n", 60,
                  300, 0, 15.0f},
        DepthCase{"RecordAtExactly750GivesItsDepth", "denbeam.con", "60,300,12.5,750,0\n", 60, 300,
                  0, 12.5f},
        DepthCase{"BlockThatNeverFallsTo750IsNotFound", "denbeam.con",
                  "60,300,0,1000,0\n60,300,10,900,0\n60,300,20,800,0\n", 60, 300, 0, std::nullopt},
        DepthCase{"OtherWidthsAndRatingsAreSkipped", "denbeam.con",
                  "60,400,10,800,0\n60,400,20,600,0\n30,300,10,800,0\n30,300,20,600,0\n"
                  "60,300,10,800,0\n60,300,30,700,0\n",
                  60, 300, 0, 20.0f},
        // Cooler than 750 degC at the surface: the line through the first two records reaches
        // 750 above the surface, and damage cannot start above it.
        DepthCase{"ExtrapolationAboveTheSurfaceGivesZero", "denbeam.con",
                  "60,300,0,700,0\n60,300,10,600,0\n", 60, 300, 0, 0.0f},
        DepthCase{"NonStandardBeamUsesItsOwnColumns", "realbm.con",
                  "37,300,0.08,10,800\n37,300,0.08,20,700\n", 37, 300, 0.08f, 15.0f},
        DepthCase{"NonStandardSlabUsesItsOwnColumns", "realslab.con",
                  "37,0.01,10,800,0\n37,0.01,20,700,0\n", 37, 0, 0.01f, 15.0f},
        DepthCase{"NonStandardOpeningFactorMustMatch", "realslab.con",
                  "37,0.01,10,800,0\n37,0.01,20,700,0\n", 37, 0, 0.02f, std::nullopt}),
    [](const ::testing::TestParamInfo<DepthCase>& info) { return std::string(info.param.name); });

TEST(TempDataSearchTest, PreviousValuesCarryOverFromAnEarlierSearch) {
    const std::string path = WriteDataFile("denbeam.con", "60,300,20,500,0\n");
    FloorModel model;
    model.RecordValue2 = 10;  // depth and temperature of the record an earlier search read last
    model.RecordValue3 = 700;
    EXPECT_EQ(FindTempAtDepth(model, path, RecordLayout::Standard, 60, 300, 0, 15,
                              PreviousRecordRule::Either),
              600.0f);
    // The working fields hold the record read last, ready for the next search.
    EXPECT_EQ(model.WorkInt, 60);
    EXPECT_EQ(model.RecordValue1, 300.0f);
    EXPECT_EQ(model.RecordValue2, 20.0f);
    EXPECT_EQ(model.RecordValue3, 500.0f);
}

TEST(TempDataSearchTest, SecondSearchContinuesWithTheRecordTheFirstReadLast) {
    const std::string path = WriteDataFile("denbeam.con", TwoWidthBlocks);
    FloorModel model;
    ASSERT_EQ(FindTempAtDepth(model, path, RecordLayout::Standard, 60, 300, 0, 40,
                              PreviousRecordRule::Either),
              300.0f);
    // Left at (40, 300): the first record, deeper than the target, interpolates with it.
    const std::string shallow = WriteDataFile("denslab.con", "60,0,60,100,0\n");
    EXPECT_EQ(FindTempAtDepth(model, shallow, RecordLayout::Standard, 60, 300, 0, 50,
                              PreviousRecordRule::Either),
              200.0f);
}

struct BadFileCase {
    const char* name;
    const char* records;
    const char* why;
};

class MalformedDataFileTest : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(MalformedDataFileTest, StopsWithAMessageNamingFileAndFolder) {
    const BadFileCase& c = GetParam();
    const std::string path = WriteDataFile("denbeam.con", c.records);
    FloorModel model;
    const auto expectMessage = [&](const auto& search) {
        try {
            search();
            FAIL() << "no error";
        } catch (const TempDataError& error) {
            EXPECT_THAT(error.what(),
                        AllOf(HasSubstr("\"denbeam.con\""), HasSubstr("\"" + FolderOf(path) + "\""),
                              HasSubstr(c.why)));
        }
    };
    expectMessage([&] {
        FindTempAtDepth(model, path, RecordLayout::Standard, 60, 300, 0, 30,
                        PreviousRecordRule::Either);
    });
    model = FloorModel{};
    expectMessage([&] { FindDepthAt750(model, path, RecordLayout::Standard, 60, 300, 0); });
}

INSTANTIATE_TEST_SUITE_P(
    Reader, MalformedDataFileTest,
    ::testing::Values(
        BadFileCase{"LastRecordShort", "60,300,20,900,0\n60,300,40", "fewer than five numbers"},
        BadFileCase{"Word", "60,300,twenty,900,0\n", "\"twenty\", which is not a number"},
        BadFileCase{"Infinity", "60,300,20,inf,0\n", "\"inf\", which is not a number"},
        BadFileCase{"Hexadecimal", "60,300,0x14,900,0\n", "\"0x14\", which is not a number"},
        BadFileCase{"TooLargeForAFloat", "60,300,20,1e39,0\n", "\"1e39\", which is not a number"},
        BadFileCase{"TwoDecimalPoints", "60,300,20,900.0.0,0\n", "not a number"},
        BadFileCase{"RatingBeyond16Bits", "70000,300,20,900,0\n",
                    "not a whole number from -32768 to 32767"}),
    [](const ::testing::TestParamInfo<BadFileCase>& info) { return std::string(info.param.name); });

// Two records at one depth (or one temperature) would divide by zero in the interpolation.
TEST(TempDataSearchTest, RepeatedDepthOrTemperatureIsADamagedFile) {
    FloorModel model;
    EXPECT_THROW(
        FindTempAtDepth(model, WriteDataFile("denbeam.con", "60,300,20,500,0\n60,300,20,400,0\n"),
                        RecordLayout::Standard, 60, 300, 0, 10, PreviousRecordRule::Both),
        TempDataError);
    model = FloorModel{};
    EXPECT_THROW(
        FindDepthAt750(model, WriteDataFile("denslab.con", "60,300,10,700,0\n60,300,20,700,0\n"),
                       RecordLayout::Standard, 60, 300, 0),
        TempDataError);
}

TEST(TempDataSearchTest, MissingFileNamesTheFolderItWasLookedFor) {
    const std::string folder = std::filesystem::path(WriteDataFile("other.con", "")).parent_path();
    const std::string path = ResolveDataFilePath("denslab.con", folder);
    FloorModel model;
    try {
        FindDepthAt750(model, path, RecordLayout::Standard, 60, 300, 0);
        FAIL() << "no error";
    } catch (const TempDataError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The temperature data file \"denslab.con\" was not "
                  "found in the folder \"" +
                      folder + "\".");
    }
}

TEST(TempDataSearchTest, FolderInPlaceOfTheFileCannotBeOpened) {
    const std::string folder = std::filesystem::path(WriteDataFile("other.con", "")).parent_path();
    std::filesystem::create_directories(folder + "/denbeam.con");
    FloorModel model;
    EXPECT_THROW(FindTempAtDepth(model, folder + "/denbeam.con", RecordLayout::Standard, 60, 300, 0,
                                 30, PreviousRecordRule::Either),
                 TempDataError);
}

// A device or a huge file is never read whole: /dev/zero would never end.
TEST(TempDataSearchTest, DeviceOrOversizedFileIsRefused) {
    const std::string path = WriteDataFile("realbm.con", "60,300,10,700,0\n");
    std::filesystem::resize_file(path, MaxTempDataFileBytes + 1);
    FloorModel model;
    try {
        FindDepthAt750(model, path, RecordLayout::Standard, 60, 300, 0);
        FAIL() << "no error";
    } catch (const TempDataError& error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("is larger than 16 MiB"));
    }
    EXPECT_THROW(FindDepthAt750(model, "/dev/zero", RecordLayout::Standard, 60, 300, 0),
                 TempDataError);
    std::filesystem::remove(path);
}

TEST(TempDataFileNamesTest, ResolveJoinsTheProgramDirectoryOnce) {
    EXPECT_EQ(ResolveDataFilePath("denbeam.con", "/opt/fd9"), "/opt/fd9/denbeam.con");
    EXPECT_EQ(ResolveDataFilePath("denbeam.con", "/opt/fd9/"), "/opt/fd9/denbeam.con");
    EXPECT_EQ(ResolveDataFilePath("denbeam.con", "/"), "/denbeam.con");
    EXPECT_EQ(ResolveDataFilePath("/data/denbeam.con", "/opt/fd9"), "/data/denbeam.con");
}

TEST(TempDataFileNamesTest, FileAndLayoutFollowFireAndConcrete) {
    EXPECT_EQ(BeamFileName(DesignFire::Standard), "denbeam.con");
    EXPECT_EQ(BeamFileName(DesignFire::NonStandard), "realbm.con");
    const struct {
        ConcreteType concrete;
        const char* standard;
    } slabs[] = {{ConcreteType::NormalWeight, "denslab.con"},
                 {ConcreteType::LightWeight, "denslab.con"},
                 {ConcreteType::AlluvialQuartz, "aqslab.con"},
                 {ConcreteType::Dacite, "dacslab.con"},
                 {ConcreteType::Pumice, "pumslab.con"}};
    for (const auto& slab : slabs) {
        EXPECT_EQ(SlabFileName(DesignFire::Standard, slab.concrete), slab.standard);
        EXPECT_EQ(SlabFileName(DesignFire::NonStandard, slab.concrete), "realslab.con");
    }
    EXPECT_EQ(SlabFileName(DesignFire::Standard, static_cast<ConcreteType>(7)), "");
    EXPECT_EQ(LayoutOfFile("/opt/fd9/realbm.con"), RecordLayout::NonStandardBeam);
    EXPECT_EQ(LayoutOfFile("realslab.con"), RecordLayout::NonStandardSlab);
    for (const char* name :
         {"denbeam.con", "denslab.con", "aqslab.con", "dacslab.con", "pumslab.con"}) {
        EXPECT_EQ(LayoutOfFile(name), RecordLayout::Standard) << name;
    }
}

}  // namespace
}  // namespace fd9
