// Temperature data files and the temperature steps of a calculation that read them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "../files/TextFixtures.h"
#include "../reliability/OpenFiles.h"
#include "thermal/SectionTemperatures.h"
#include "thermal/TempDataFiles.h"

namespace fd9 {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using enum FloorType;
using enum ConcreteType;
using enum DesignFire;
constexpr auto Both = PreviousRecordRule::Both;
constexpr auto Either = PreviousRecordRule::Either;
// As a target depth: search where the concrete reaches 750 degC instead.
constexpr float At750 = std::numeric_limits<float>::quiet_NaN();

// Hand-made files with round numbers; the expected values below are worked by hand from them.
std::string DataSet(const std::string& name) {
    return std::string(FD9_TEST_SOURCE_DIR) + "/thermal/data/" + name;
}

// Each test writes its records to a folder of its own, so the records sit beside the answer;
// the process id keeps test runs of several builds apart.
std::string WriteDataFile(const std::string& name, const std::string& text) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / ("fd9_tempdata_" + std::to_string(getpid())) /
        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << text;
    return (folder / name).string();
}

void ExpectClose(float actual, float expected) {
    EXPECT_NEAR(actual, expected, std::max(1e-4, 1e-6 * std::abs(expected)));
}

// The message a search or step stops with, marked when it blames the file; empty if none.
template <typename Run>
std::string StopOf(Run run) {
    try {
        run();
    } catch (const TempDataError& error) {
        return std::string("file: ") + error.what();
    } catch (const CalculationError& error) {
        return error.what();
    }
    return "";
}

std::optional<float> Search(FloorModel& model, const std::string& path, float target,
                            PreviousRecordRule rule = Either, std::int16_t key = 60,
                            float width = 300, float opening = 0) {
    const RecordLayout layout = LayoutOfFile(path);
    if (std::isnan(target)) {
        return FindDepthAt750(model, path, layout, key, width, opening);
    }
    return FindTempAtDepth(model, path, layout, key, width, opening, target, rule);
}

// The rating 60 block of 300 mm and the narrower 150 mm block of the same fire.
const char* const TwoWidthBlocks =
    "60,300,0,900,0 60,300,20,500,0 60,300,40,300,0\n"
    "60,150,0,950,0 60,150,20,600,0 60,150,40,400,0 60,150,80,200,0\n";

TEST(TempDataSearch, FindsTheTabulatedOrInterpolatedValue) {
    const char *bm = "denbeam.con", *rb = "realbm.con", *rs = "realslab.con";
    const char* pair = "60,300,20,500,0 60,300,40,300,0";
    const char* otherBlocks =
        "60,400,10,800,0 60,400,20,600,0 30,300,10,800,0 30,300,20,600,0\n"
        "60,300,10,800,0 60,300,30,700,0";
    const char* nearFactor =
        "74,300,0.0400001,20,900 74,300,0.0400001,40,700 74,300,0.04,20,500 74,300,0.04,40,300";
    // clang-format off
    const struct {
        const char* file;
        const char* records;
        float target;
        std::optional<float> expected;
        PreviousRecordRule rule = Either;
        std::int16_t key = 60;
        float width = 300, opening = 0;
    } cases[] = {
        {bm, pair, 30, 400},  // the worked example
        {bm, pair, 20, 500, Both},  // the exact depth of a first record needs no previous one
        {bm, pair, 10, 600},  // a first record is skipped; the next extrapolates with it
        {bm, "60,300,0,900,0 60,300,20,500,0", 10, {}, Both},  // Both refuses a depth of zero
        {bm, "60,300,0,900,0 60,300,20,500,0", 10, 700},
        {bm, "60,300,10,0,0 60,300,20,500,0", 15, {}, Both},  // and a temperature of zero
        {bm, "60,300,10,0,0 60,300,20,500,0", 15, 250},
        {bm, TwoWidthBlocks, 30, 400},  // a width key equal to the limit qualifies
        {bm, TwoWidthBlocks, 30, 500, Either, 60, 299},
        {bm, TwoWidthBlocks, 60, 300},  // carries on into the narrower block
        {bm, TwoWidthBlocks, 30, {}, Either, 60, 149},
        {bm, TwoWidthBlocks, 30, {}, Either, 90},
        // The rating 60 block starts below the target: it interpolates with the block before.
        {bm, "30,300,0,800,0 30,300,50,200,0 60,300,20,500,0 60,300,40,300,0", 10, 600},
        {rb, "74,300,0.04,20,500 74,300,0.04,40,300", 30, 400, Either, 74, 300, 0.04f},
        {rb, nearFactor, 30, 400, Either, 74, 300, 0.04f},
        {rb, "74,300,0.04,20,500 74,300,0.04,40,300", 30, {}, Either, 74, 300, 0.02f},
        {rs, "111,0.15,20,500,0 111,0.15,40,300,0", 30, 400, Either, 111, 0, 0.15f},
        {rs, "111,0.150001,20,500,0 111,0.150001,40,300,0", 30, {}, Either, 111, 0, 0.15f},
        {bm, "60 300\r\n20,500 0 60\r\n300,\t40\n300,0", 30, 400},
        {bm, "", 30, {}},
        {bm, "60,300,20,500,0\nnot numbers", 20, 500},  // reading ends at the answer
        {bm, "60,300,10,800,0 60,300,20,700,0", At750, 15},
        {bm, "60,300,12.5,750,0", At750, 12.5f},
        {bm, "60,300,0,1000,0 60,300,10,900,0 60,300,20,800,0", At750, {}},
        {bm, otherBlocks, At750, 20},
        // 750 degC lies above the surface; damage cannot start there.
        {bm, "60,300,0,700,0 60,300,10,600,0", At750, 0},
        {rb, "37,300,0.08,10,800 37,300,0.08,20,700", At750, 15, Either, 37, 300, 0.08f},
        {rs, "37,0.01,10,800,0 37,0.01,20,700,0", At750, 15, Either, 37, 0, 0.01f},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.records) + " at " + std::to_string(c.target));
        FloorModel model;
        const std::optional<float> found = Search(model, WriteDataFile(c.file, c.records), c.target,
                                                  c.rule, c.key, c.width, c.opening);
        EXPECT_EQ(found.has_value(), c.expected.has_value());
        if (found && c.expected) {
            ExpectClose(*found, *c.expected);
        }
    }
}

// The previous record's values carry from one search to the next, and the working fields hold
// the record read last.
TEST(TempDataSearch, PreviousRecordCarriesOverBetweenSearches) {
    FloorModel model;
    model.RecordValue2 = 10;
    model.RecordValue3 = 700;
    EXPECT_EQ(Search(model, WriteDataFile("denbeam.con", "60,300,20,500,0\n"), 15), 600.0f);
    EXPECT_EQ(std::tie(model.WorkInt, model.RecordValue1, model.RecordValue2, model.RecordValue3),
              std::make_tuple(std::int16_t{60}, 300.0f, 20.0f, 500.0f));
    ASSERT_EQ(Search(model, WriteDataFile("denbeam.con", TwoWidthBlocks), 40), 300.0f);
    // Left at (40, 300): the first record, deeper than the target, interpolates with it.
    EXPECT_EQ(Search(model, WriteDataFile("denslab.con", "60,0,60,100,0\n"), 50), 200.0f);
}

TEST(TempDataSearch, DamagedFileStopsWithWhatIsWrongInIt) {
    // clang-format off
    const struct {
        const char* records;
        bool temperature, depth;  // the searches that meet the fault
        const char* why;
    } cases[] = {
        {"60,300,20,900,0 60,300,40", true, true, "its last record has fewer than five numbers"},
        {"60,300,twenty,900,0", true, true, "record 1 holds \"twenty\", which is not a number"},
        // A long field is shown up to its 40th character.
        {"60,300,20,x234567890123456789012345678901234567890,0", true, true, "0\", which"},
        {"60,300,20,x2345678901234567890123456789012345678901,0", true, true, "0...\", which"},
        {"60,300,20,inf,0", true, true, "\"inf\", which is not a number"},
        {"60,300,20,1e39,0", true, true, "\"1e39\", which is not a number"},
        {"70000,300,20,900,0", true, true, "not a whole number from -32768 to 32767"},
        // Two records of one depth or one temperature would divide by zero.
        {"60,300,20,500,0 60,300,20,400,0", true, false, "have the same depth"},
        {"60,300,10,700,0 60,300,20,700,0", false, true, "have the same temperature"},
        // Records that interpolate to beyond any float give no answer.
        {"60,300,1,3e38,0 60,300,2,-3e38,0", true, false, "interpolate to a number out of range"},
        {"60,300,1,600,0 60,300,3e38,700,0", false, true, "interpolate to a number out of range"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::string path = WriteDataFile("denbeam.con", c.records);
        const std::string folder = std::filesystem::path(path).parent_path().string();
        for (const float target : {0.0f, At750}) {
            if (std::isnan(target) ? c.depth : c.temperature) {
                FloorModel model;
                EXPECT_THAT(StopOf([&] { Search(model, path, target); }),
                            AllOf(StartsWith("file: The temperature data file \"denbeam.con\" in "
                                             "the folder \"" +
                                             folder + "\" cannot be used: "),
                                  HasSubstr(c.why)))
                    << c.records;
            }
        }
    }
}

// A missing file, a folder, a device or a huge file is never read: /dev/zero would never end.
TEST(TempDataSearch, FileThatCannotBeReadStopsTheSearch) {
    const std::string big = WriteDataFile("big.con", "60,300,10,700,0\n");
    const std::string folder = std::filesystem::path(big).parent_path().string();
    std::filesystem::resize_file(big, MaxTempDataFileBytes + 1);
    std::filesystem::create_directories(folder + "/dir.con");
    const std::string file = "file: The temperature data file \"";
    FloorModel model;
    EXPECT_EQ(StopOf([&] { Search(model, ResolveDataFilePath("denslab.con", folder), At750); }),
              file + "denslab.con\" was not found in the folder \"" + folder + "\".");
    EXPECT_EQ(StopOf([&] { Search(model, "absent.con", At750); }),
              file + "absent.con\" was not found in the folder \".\".");
    EXPECT_EQ(StopOf([&] { Search(model, big, At750); }),
              file + "big.con\" in the folder \"" + folder +
                  "\" is larger than 16 MiB, which no temperature data file is.");
    EXPECT_EQ(StopOf([&] { Search(model, folder + "/dir.con", 30); }),
              file + "dir.con\" in the folder \"" + folder + "\" could not be opened.");
    EXPECT_EQ(StopOf([&] { Search(model, "/dev/zero", At750); }),
              file + "zero\" in the folder \"/dev\" could not be opened.");
    std::filesystem::remove(big);
}

TEST(TempDataFileNames, FollowFireAndConcreteAndJoinTheProgramDirectoryOnce) {
    EXPECT_EQ(BeamFileName(Standard) + BeamFileName(NonStandard), "denbeam.conrealbm.con");
    const char* const slabs[] = {"denslab.con", "denslab.con", "aqslab.con",
                                 "dacslab.con", "pumslab.con", ""};
    for (int code = 0; code < 6; ++code) {
        const ConcreteType concrete = static_cast<ConcreteType>(code == 5 ? 7 : code);
        EXPECT_EQ(SlabFileName(Standard, concrete), slabs[code]);
        EXPECT_EQ(SlabFileName(NonStandard, concrete), "realslab.con");
        EXPECT_EQ(LayoutOfFile(slabs[code]), RecordLayout::Standard);
    }
    EXPECT_EQ(LayoutOfFile("/opt/fd9/realbm.con"), RecordLayout::NonStandardBeam);
    EXPECT_EQ(LayoutOfFile("realslab.con"), RecordLayout::NonStandardSlab);
    EXPECT_EQ(ResolveDataFilePath("denbeam.con", "/opt/fd9"), "/opt/fd9/denbeam.con");
    EXPECT_EQ(ResolveDataFilePath("denbeam.con", "/opt/fd9/"), "/opt/fd9/denbeam.con");
    EXPECT_EQ(ResolveDataFilePath("denbeam.con", "/"), "/denbeam.con");
    EXPECT_EQ(ResolveDataFilePath("/data/denbeam.con", "/opt/fd9"), "/data/denbeam.con");
}

struct Member {
    FloorType floor;
    ConcreteType concrete = NormalWeight;
    bool continuous = false;
    DesignFire fire = Standard;
};

FloorModel MakeModel(const Member& member) {
    FloorModel model;
    model.Selected = {.FloorType = member.floor,
                      .DesignFire = member.fire,
                      .SupportCondition = SupportCondition{member.continuous},
                      .ConcreteType = member.concrete};
    model.FRRequired = 60;
    model.FireLoad = 74;
    model.OpeningFactor = 0.04f;
    model.SectionWidth = member.floor == Slab ? 1000 : 300;
    model.OverallDepth = 480;
    model.RibDepth = 350;
    model.RibWidthBot = 125;
    model.RibWidthTop = 175;
    model.PosEffectiveCover = 30;
    model.NegEffectiveCover = 30;
    return model;
}

using Step = void (*)(FloorModel&, TempDataContext&);

// Rib width 50 mm above the soffit, between 125 at the soffit and 175 at the top of the rib.
constexpr double RibAt50 = 132.142857;  // 125 + 50 x 50 / 350

TEST(SectionTemperatures, SteelReadsTheGroupTemperatureAtItsEffectiveCover) {
    // clang-format off
    const struct {
        Member member;
        float centroid;  // ribbed members: where the rib width is taken
        float negCover, pos, neg;  // neg -1: left alone
        const char* file;  // the file read last
        double width;
    } cases[] = {
        {{Beam}, 0, 0, 650, -1, "denbeam.con", 300},
        {{Beam, NormalWeight, true}, 0, 40, 650, 600, "denbeam.con", 300},
        {{Beam, LightWeight, true}, 0, 40, 520, 480, "denbeam.con", 300},
        {{Slab}, 0, 0, 475, -1, "denslab.con", 1000},
        {{Slab, AlluvialQuartz}, 0, 0, 600, -1, "aqslab.con", 1000},
        {{Slab, NormalWeight, true}, 0, 40, 475, 400, "denslab.con", 1000},
        {{DoubleTee}, 0, 0, 680, -1, "denbeam.con", 125},  // the 100 mm block
        {{DoubleTee}, 350, 0, 600, -1, "denbeam.con", 175},  // the 150 mm block
        {{TeeBeam}, 50, 0, 680, -1, "denbeam.con", RibAt50},
        // The negative steel of a ribbed member lies in the flange, read from the slab file.
        {{DoubleTee, NormalWeight, true}, 0, 30, 680, 475, "denslab.con", 125},
        {{TeeBeam, Pumice, true}, 350, 30, 600, 500, "pumslab.con", 175},
        {{Beam, NormalWeight, false, NonStandard}, 0, 0, 600, -1, "realbm.con", 300},
        {{Slab, NormalWeight, false, NonStandard}, 0, 0, 500, -1, "realslab.con", 1000},
        {{DoubleTee, Dacite, true, NonStandard}, 0, 30, 700, 500, "realslab.con", 125},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.pos));
        FloorModel model = MakeModel(c.member);
        model.PosCentroid = c.centroid;
        model.NegEffectiveCover = c.negCover;
        model.NegSteelTemp = -1;
        TempDataContext context{DataSet("section"), ""};
        // A second run looks everything up again: nothing is scaled twice.
        CalcSteelTemperatures(model, context);
        CalcSteelTemperatures(model, context);
        ExpectClose(model.PosSteelTemp, c.pos);
        ExpectClose(model.NegSteelTemp, c.neg);
        EXPECT_EQ(context.TempDataFile, DataSet("section/") + c.file);
        EXPECT_EQ(model.SectionWidth, static_cast<float>(c.width));
    }
}

TEST(SectionTemperatures, DamagedDepthIsWhereTheSectionReaches750Degrees) {
    // clang-format off
    const struct {
        Member member;
        float previousDamaged, previousStressBlock, pos, neg, width;
    } cases[] = {
        {{Beam, NormalWeight, true}, 0, 0, 15, 15, 300},
        {{Beam, LightWeight, true}, 0, 0, 15, 15, 300},  // not scaled
        {{Slab}, 0, 0, 5, 5, 1000},
        {{Beam, NormalWeight, false, NonStandard}, 0, 0, 15, 15, 300},
        // No damaged depth or stress block yet: the rib is taken at its soffit.
        {{TeeBeam}, 0, 0, 21.25f, 21.25f, 125},
        {{TeeBeam}, 20, 330, 15, 15, 175},  // at the previous compression zone
        {{TeeBeam, NormalWeight, true}, 0, 0, 21.25f, 21.25f, 125},
        {{DoubleTee, NormalWeight, true}, 0, 0, 21.25f, 5, 125},  // the flange from the slab file
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pos + c.previousStressBlock);
        FloorModel model = MakeModel(c.member);
        model.PosDamagedDepth = c.previousDamaged;
        model.PosStressBlockDepth = c.previousStressBlock;
        TempDataContext context{DataSet("section"), ""};
        CalcSteelTemperatures(model, context);
        CalcDamagedDepths(model, context);
        ExpectClose(model.PosDamagedDepth, c.pos);
        ExpectClose(model.NegDamagedDepth, c.neg);
        ExpectClose(model.SectionWidth, c.width);
    }
}

TEST(SectionTemperatures, ConcreteAveragesTheZoneWith750Degrees) {
    // clang-format off
    const struct {
        Member member;
        double width;  // beams: searched at half of it; others: the width left
        float negDepth, pos, neg;  // neg -1: left alone
        const char* file;
    } cases[] = {
        {{Beam}, 300, 0, 575, -1, "denbeam.con"},  // 400 degC at half the width
        {{Beam}, 600, 0, 375, -1, "denbeam.con"},  // beyond every record: counts as 0 degC
        {{Beam, NormalWeight, true}, 300, 70, 575, 650, "denbeam.con"},
        {{Beam, LightWeight, true}, 300, 70, 460, 520, "denbeam.con"},
        {{Slab}, 1000, 0, 350, -1, "denslab.con"},  // slabs and flanges are fixed at 350
        {{DoubleTee, NormalWeight, false, NonStandard}, 125, 0, 350, -1, "realbm.con"},
        {{Slab, NormalWeight, true}, 1000, 500, 350, 375, "denslab.con"},  // deeper than the data
        {{Slab, NormalWeight, true}, 1000, 40, 350, 575, "denslab.con"},
        // The rib 50 mm above the soffit is in the 100 mm block: 500 degC at 60 mm.
        {{TeeBeam, NormalWeight, true}, RibAt50, 60, 350, 625, "denbeam.con"},
        {{DoubleTee, LightWeight, true}, RibAt50, 60, 350, 500, "denbeam.con"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.pos + c.negDepth));
        FloorModel model = MakeModel(c.member);
        if (c.member.floor == Beam) {
            model.SectionWidth = static_cast<float>(c.width);
        }
        model.PosDamagedDepth = 20;
        model.PosStressBlockDepth = 30;
        model.NegConcTempDepth = c.negDepth;
        model.NegConcTemp = -1;
        TempDataContext context{DataSet("section"), ""};
        CalcSteelTemperatures(model, context);  // chooses the member file, as CALCULATE does
        CalcConcreteTemperatures(model, context);
        ExpectClose(model.PosConcTemp, c.pos);
        ExpectClose(model.NegConcTemp, c.neg);
        EXPECT_EQ(context.TempDataFile, DataSet("section/") + c.file);
        EXPECT_EQ(model.SectionWidth, static_cast<float>(c.width));
    }
}

// Each step starts with no previous record: a first record deeper than the target is skipped,
// and the next one interpolates with it. Values left from an earlier step must not be used.
TEST(SectionTemperatures, EveryStepForgetsThePreviousRecordOfTheStepBefore) {
    // The line through both records meets 750 degC above the surface.
    const std::tuple<Step, float FloorModel::*, float> steps[] = {
        {CalcSteelTemperatures, &FloorModel::PosSteelTemp, 600},
        {CalcDamagedDepths, &FloorModel::PosDamagedDepth, 0},
        {CalcConcreteTemperatures, &FloorModel::PosConcTemp, (600.0f + 750.0f) / 2}};
    for (const DesignFire fire : {Standard, NonStandard}) {
        FloorModel model = MakeModel({Beam, NormalWeight, false, fire});
        model.SectionWidth = 20;
        model.PosEffectiveCover = 10;
        TempDataContext context{DataSet("shallow"), ""};
        for (const auto& [step, result, expected] : steps) {
            // Depth and temperature of a record read before, in either layout.
            model.RecordValue2 = 10;
            model.RecordValue3 = 900;
            model.RecordValue4 = 900;
            step(model, context);
            ExpectClose(model.*result, expected);
        }
    }
}

// The message a step stops with; file names the data file an earlier step chose.
std::string StopOf(FloorModel& model, Step step, const char* file = "",
                   const std::string& folder = DataSet("section")) {
    TempDataContext context{folder, folder + "/" + file};
    return StopOf([&] { step(model, context); });
}

// A search that finds nothing stops the run, naming the file and the fire case; a verdict from
// the temperatures of an earlier run would be of another member or fire.
TEST(SectionTemperatures, NothingFoundStopsTheRun) {
    const std::string steel = "No temperature of the positive-moment steel at a cover of 30 mm";
    const std::string depth = "No depth at which the concrete reaches 750 degrees C";
    const std::string found = " was found in the temperature data file \"";
    const std::string check = " Check the design fire and the section dimensions.";
    FloorModel model = MakeModel({Beam});
    model.FRRequired = 0;
    model.PosSteelTemp = 123;
    EXPECT_EQ(StopOf(model, CalcSteelTemperatures),
              steel + found +
                  "denbeam.con\" for a fire resistance rating of 0 minutes and a width of 300 mm. "
                  "No fire resistance rating has been chosen yet: choose one under Design Fire, "
                  "Standard (ISO).");
    EXPECT_EQ(model.PosSteelTemp, 123.0f);
    model = MakeModel({Beam});
    model.SectionWidth = 50;
    const std::string narrow =
        "denbeam.con\" for a fire resistance rating of 60 minutes and a width of 50 mm." + check;
    EXPECT_EQ(StopOf(model, CalcSteelTemperatures), steel + found + narrow);
    EXPECT_EQ(StopOf(model, CalcDamagedDepths, "denbeam.con"), depth + found + narrow);
    model = MakeModel({Beam, NormalWeight, false, NonStandard});
    model.OpeningFactor = 0.08f;
    EXPECT_EQ(StopOf(model, CalcSteelTemperatures),
              steel + found +
                  "realbm.con\" for a fire load of 74 kg/m2, an opening factor of 0.08 and a "
                  "width of 300 mm." +
                  check);
    model = MakeModel({Slab, NormalWeight, false, NonStandard});
    model.OpeningFactor = 0.15f;
    model.FireLoad = 0;
    EXPECT_EQ(StopOf(model, CalcDamagedDepths, "realslab.con"),
              depth + found +
                  "realslab.con\" for a fire load of 0 kg/m2 and an opening factor of 0.15. "
                  "No fire load has been chosen yet: choose one under Design Fire, "
                  "Non-Standard.");
    model = MakeModel({DoubleTee});
    model.RibDepth = 0;
    model.PosCentroid = 40;
    EXPECT_EQ(StopOf(model, CalcSteelTemperatures),
              "The rib width cannot be worked out because the depth of the ribs is zero. Enter "
              "the rib depth in the section dimensions.");
}

// Data for this rating and width exist but the whole rib stays above 750 degC: that is the
// member failing, told in the engineer's terms, not a search that found nothing.
TEST(SectionTemperatures, RibHotterThan750ThroughoutIsNamedAsSuch) {
    const std::string path = WriteDataFile(
        "denbeam.con", "180, 100, 0, 1000, 0\n180, 100, 50, 900, 0\n180, 100, 100, 800, 0\n");
    FloorModel model = MakeModel({TeeBeam});
    model.FRRequired = 180;
    model.RibWidthBot = 129.22409f;
    EXPECT_EQ(
        StopOf(model, CalcDamagedDepths, "", std::filesystem::path(path).parent_path().string()),
        "The rib is fire-damaged through its whole width of 129.2 mm at 180 minutes: no "
        "part of it stays below 750 degrees C, so the member cannot reach this fire "
        "resistance rating. Widen the rib or choose a lower rating.");
}

// A search of a damaged file answers with a finite number or stops naming the file, and no
// file stays open either way.
TEST(ReliabilityTempData, DamagedFilesAnswerFiniteOrReportAndLeaveNoFileOpen) {
    const std::string good =
        "60, 300, 0, 900, 0\n60, 300, 20, 500, 0\n60, 300, 40, 300, 0\n60, 150, 0, 950, 0\n"
        "60, 150, 20, 600, 0\n120, 300, 0, 1000, 0\n120, 300, 30, 760, 0\n120, 300, 60, 420, 0\n";
    const std::vector<std::string> extremes = {"3e38", "-3e38", "1e-38", "32767", "-32768",
                                               "0",    "1e39",  "nan",   "inf",   ""};
    std::mt19937 rng(750);
    const int openBefore = reliability::OpenFileCount();
    int answered = 0;
    int reported = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const std::string text =
            fixtures::Damage(fixtures::Damage(good, rng, extremes), rng, extremes);
        const std::string path = WriteDataFile("damaged.con", text);
        const float target = std::uniform_real_distribution<float>(-5, 70)(rng);
        FloorModel model;
        for (const float searched : {target, At750}) {
            try {
                const std::optional<float> value =
                    Search(model, path, searched, Both, trial % 2 ? 60 : 120);
                ASSERT_TRUE(!value || std::isfinite(*value)) << text;
                ++answered;
            } catch (const TempDataError& error) {
                EXPECT_THAT(error.what(), HasSubstr("damaged.con"));
                ++reported;
            }
        }
    }
    EXPECT_GT(answered, 0);
    EXPECT_GT(reported, 0);
    EXPECT_EQ(reliability::OpenFileCount(), openBefore);
}

}  // namespace
}  // namespace fd9
