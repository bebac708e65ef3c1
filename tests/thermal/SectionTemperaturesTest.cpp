#include "thermal/SectionTemperatures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "thermal/TempDataFiles.h"

namespace fd9 {
namespace {

using ::testing::HasSubstr;

// Hand-made files with round numbers; the expected values below are worked by hand from them.
std::string DataSet(const char* name) {
    return std::string(FD9_TEST_SOURCE_DIR) + "/thermal/data/" + name;
}

void ExpectClose(float actual, float expected) {
    EXPECT_NEAR(actual, expected, std::max(1e-4, 1e-6 * std::abs(expected)));
}

struct Member {
    FloorType floor = FloorType::Beam;
    DesignFire fire = DesignFire::Standard;
    ConcreteType concrete = ConcreteType::NormalWeight;
    SupportCondition support = SupportCondition::SimplySupported;
};

FloorModel MakeModel(const Member& member) {
    FloorModel model;
    model.Selected.FloorType = member.floor;
    model.Selected.DesignFire = member.fire;
    model.Selected.ConcreteType = member.concrete;
    model.Selected.SupportCondition = member.support;
    model.FRRequired = 60;
    model.FireLoad = 74;
    model.OpeningFactor = 0.04f;
    switch (member.floor) {
        case FloorType::Beam:
            model.SectionWidth = 300;
            model.SectionDepth = 500;
            break;
        case FloorType::Slab:
            model.SectionWidth = 1000;
            model.SectionDepth = 150;
            break;
        case FloorType::DoubleTee:
        case FloorType::TeeBeam:
            model.OverallDepth = 480;
            model.OverallWidth = 2400;
            model.RibDepth = 350;
            model.RibWidthBot = 125;
            model.RibWidthTop = 175;
            break;
    }
    return model;
}

constexpr Member ContinuousOf(FloorType floor, ConcreteType concrete = ConcreteType::NormalWeight,
                              DesignFire fire = DesignFire::Standard) {
    return {floor, fire, concrete, SupportCondition::Continuous};
}

constexpr auto Std = DesignFire::Standard;
constexpr Member Beam{};
constexpr Member Slab{FloorType::Slab};
constexpr Member LightBeam{FloorType::Beam, Std, ConcreteType::LightWeight};
constexpr Member QuartzBeam{FloorType::Beam, Std, ConcreteType::AlluvialQuartz};
constexpr Member LightSlab{FloorType::Slab, Std, ConcreteType::LightWeight};
constexpr Member QuartzSlab{FloorType::Slab, Std, ConcreteType::AlluvialQuartz};
constexpr Member RealFireBeam{FloorType::Beam, DesignFire::NonStandard};
constexpr Member RealFireSlab{FloorType::Slab, DesignFire::NonStandard};
constexpr Member DoubleTee{FloorType::DoubleTee};
constexpr Member RealFireDoubleTee{FloorType::DoubleTee, DesignFire::NonStandard};
constexpr Member TeeBeam{FloorType::TeeBeam};

struct SteelCase {
    const char* name;
    Member member;
    float posCentroid;  // ribbed members only: where the rib width is taken
    float posCover;
    float negCover;
    float expectedPos;
    std::optional<float> expectedNeg;
    const char* lastFile;
};

class SteelTemperatureTest : public ::testing::TestWithParam<SteelCase> {};

TEST_P(SteelTemperatureTest, ReadsTheGroupTemperatureAtItsEffectiveCover) {
    const SteelCase& c = GetParam();
    FloorModel model = MakeModel(c.member);
    model.PosCentroid = c.posCentroid;
    model.PosEffectiveCover = c.posCover;
    model.NegEffectiveCover = c.negCover;
    model.NegSteelTemp = -1;  // left alone unless the member is continuous
    TempDataContext context{DataSet("section"), ""};
    CalcSteelTemperatures(model, context);
    ExpectClose(model.PosSteelTemp, c.expectedPos);
    ExpectClose(model.NegSteelTemp, c.expectedNeg.value_or(-1.0f));
    EXPECT_EQ(context.TempDataFile, DataSet("section") + "/" + c.lastFile);
}

INSTANTIATE_TEST_SUITE_P(
    Section, SteelTemperatureTest,
    ::testing::Values(
        SteelCase{"BeamInterpolatesInItsWidthBlock", Beam, 0, 30, 0, 650, std::nullopt,
                  "denbeam.con"},
        SteelCase{"LightWeightBeamIsScaled", LightBeam, 0, 30, 0, 520, std::nullopt, "denbeam.con"},
        SteelCase{"AlluvialQuartzBeamReadsTheBeamFile", QuartzBeam, 0, 30, 0, 650, std::nullopt,
                  "denbeam.con"},
        SteelCase{"ContinuousBeamSearchesTheNegativeSteelToo", ContinuousOf(FloorType::Beam), 0, 30,
                  40, 650, 600.0f, "denbeam.con"},
        SteelCase{"ContinuousLightWeightBeamScalesBothGroups",
                  ContinuousOf(FloorType::Beam, ConcreteType::LightWeight), 0, 30, 40, 520, 480.0f,
                  "denbeam.con"},
        SteelCase{"NormalWeightSlab", Slab, 0, 30, 0, 475, std::nullopt, "denslab.con"},
        SteelCase{"LightWeightSlabReadsTheNormalWeightFile", LightSlab, 0, 30, 0, 380, std::nullopt,
                  "denslab.con"},
        SteelCase{"AlluvialQuartzSlab", QuartzSlab, 0, 30, 0, 600, std::nullopt, "aqslab.con"},
        SteelCase{"ContinuousSlabKeepsTheSlabFile", ContinuousOf(FloorType::Slab), 0, 30, 40, 475,
                  400.0f, "denslab.con"},
        // Centroid at the soffit: rib width 125 falls in the 100 mm block.
        SteelCase{"DoubleTeeCentroidAtTheSoffit", DoubleTee, 0, 30, 0, 680, std::nullopt,
                  "denbeam.con"},
        // Centroid at the top of the rib: rib width 175 falls in the 150 mm block.
        SteelCase{"DoubleTeeCentroidAtTheTopOfTheRib", DoubleTee, 350, 30, 0, 600, std::nullopt,
                  "denbeam.con"},
        SteelCase{"ContinuousDoubleTeeReadsTheFlangeSteelFromTheSlabFile",
                  ContinuousOf(FloorType::DoubleTee), 0, 30, 30, 680, 475.0f, "denslab.con"},
        SteelCase{"ContinuousTeeBeamReadsTheFlangeSteelFromTheSlabFile",
                  ContinuousOf(FloorType::TeeBeam, ConcreteType::Pumice), 350, 30, 30, 600, 500.0f,
                  "pumslab.con"},
        SteelCase{"NonStandardBeamMatchesTheOpeningFactor", RealFireBeam, 0, 30, 0, 600,
                  std::nullopt, "realbm.con"},
        SteelCase{"NonStandardSlab", RealFireSlab, 0, 30, 0, 500, std::nullopt, "realslab.con"},
        SteelCase{"ContinuousNonStandardDoubleTee",
                  ContinuousOf(FloorType::DoubleTee, ConcreteType::Dacite, DesignFire::NonStandard),
                  0, 30, 30, 700, 500.0f, "realslab.con"}),
    [](const ::testing::TestParamInfo<SteelCase>& info) { return std::string(info.param.name); });

TEST(SectionTemperaturesTest, SteelSearchLeavesTheRibWidthAtTheCentroid) {
    FloorModel model = MakeModel(TeeBeam);
    model.PosCentroid = 50;
    model.PosEffectiveCover = 30;
    TempDataContext context{DataSet("section"), ""};
    CalcSteelTemperatures(model, context);
    EXPECT_EQ(model.SectionWidth, static_cast<float>(125.0 + 50.0 * 50.0 / 350.0));
    ExpectClose(model.PosSteelTemp, 680);
}

TEST(SectionTemperaturesTest, SimplySupportedLightWeightLeavesTheNegativeSteelAlone) {
    FloorModel model = MakeModel(LightBeam);
    model.PosEffectiveCover = 30;
    model.NegSteelTemp = 500;
    TempDataContext context{DataSet("section"), ""};
    CalcSteelTemperatures(model, context);
    CalcSteelTemperatures(model, context);
    EXPECT_EQ(model.NegSteelTemp, 500.0f);
    ExpectClose(model.PosSteelTemp, 520);
}

struct DamageCase {
    const char* name;
    Member member;
    float previousDamagedDepth;
    float previousStressBlockDepth;
    float expectedPos;
    float expectedNeg;
    float expectedWidth;
};

class DamagedDepthTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedDepthTest, FindsWhereTheSectionReaches750Degrees) {
    const DamageCase& c = GetParam();
    FloorModel model = MakeModel(c.member);
    model.PosDamagedDepth = c.previousDamagedDepth;
    model.PosStressBlockDepth = c.previousStressBlockDepth;
    model.PosEffectiveCover = 30;
    model.NegEffectiveCover = 30;
    TempDataContext context{DataSet("section"), ""};
    CalcSteelTemperatures(model, context);
    CalcDamagedDepths(model, context);
    ExpectClose(model.PosDamagedDepth, c.expectedPos);
    ExpectClose(model.NegDamagedDepth, c.expectedNeg);
    ExpectClose(model.SectionWidth, c.expectedWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Section, DamagedDepthTest,
    ::testing::Values(
        DamageCase{"Beam", ContinuousOf(FloorType::Beam), 0, 0, 15, 15, 300},
        DamageCase{"LightWeightIsNotScaled",
                   ContinuousOf(FloorType::Beam, ConcreteType::LightWeight), 0, 0, 15, 15, 300},
        DamageCase{"Slab", Slab, 0, 0, 5, 5, 1000},
        DamageCase{"NonStandardBeam", RealFireBeam, 0, 0, 15, 15, 300},
        // Fresh start: no damaged depth or stress block yet, so the rib is taken at its soffit.
        DamageCase{"TeeBeamAtTheSoffit", TeeBeam, 0, 0, 21.25f, 21.25f, 125},
        DamageCase{"TeeBeamAtThePreviousCompressionZone", TeeBeam, 20, 330, 15, 15, 175},
        DamageCase{"ContinuousTeeBeamUsesTheRibDepthForBothZones", ContinuousOf(FloorType::TeeBeam),
                   0, 0, 21.25f, 21.25f, 125},
        DamageCase{"SimplySupportedDoubleTee", DoubleTee, 0, 0, 21.25f, 21.25f, 125},
        DamageCase{"ContinuousDoubleTeeTakesTheFlangeFromTheSlabFile",
                   ContinuousOf(FloorType::DoubleTee), 0, 0, 21.25f, 5, 125}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

struct ConcreteCase {
    const char* name;
    Member member;
    float width;  // beams only
    float negDepth;
    float expectedPos;
    std::optional<float> expectedNeg;
};

class ConcreteTemperatureTest : public ::testing::TestWithParam<ConcreteCase> {};

TEST_P(ConcreteTemperatureTest, AveragesTheZoneWith750Degrees) {
    const ConcreteCase& c = GetParam();
    FloorModel model = MakeModel(c.member);
    if (c.member.floor == FloorType::Beam) {
        model.SectionWidth = c.width;
    }
    model.PosDamagedDepth = 20;
    model.PosStressBlockDepth = 30;
    model.NegConcTempDepth = c.negDepth;
    model.NegConcTemp = -1;
    TempDataContext context{DataSet("section"), ""};
    CalcSteelTemperatures(model, context);  // chooses the member file, as CALCULATE does
    CalcConcreteTemperatures(model, context);
    ExpectClose(model.PosConcTemp, c.expectedPos);
    ExpectClose(model.NegConcTemp, c.expectedNeg.value_or(-1.0f));
}

INSTANTIATE_TEST_SUITE_P(
    Section, ConcreteTemperatureTest,
    ::testing::Values(
        // 400 degC at half the width of a 300 mm beam.
        ConcreteCase{"Beam", Beam, 300, 0, 575, std::nullopt},
        ConcreteCase{"LightWeightBeam", LightBeam, 300, 0, 460, std::nullopt},
        // Half of 600 mm lies beyond every record: counts as 0 degC.
        ConcreteCase{"BeamWiderThanTheDataGives375", Beam, 600, 0, 375, std::nullopt},
        ConcreteCase{"ContinuousBeam", ContinuousOf(FloorType::Beam), 300, 70, 575, 650.0f},
        ConcreteCase{"ContinuousLightWeightBeam",
                     ContinuousOf(FloorType::Beam, ConcreteType::LightWeight), 300, 70, 460,
                     520.0f},
        ConcreteCase{"SlabIsFixedAt350", Slab, 0, 0, 350, std::nullopt},
        ConcreteCase{"LightWeightSlabIsNotScaled", LightSlab, 0, 0, 350, std::nullopt},
        ConcreteCase{"NonStandardDoubleTeeIsFixedAt350", RealFireDoubleTee, 0, 0, 350,
                     std::nullopt},
        // Half of the 1000 mm strip is deeper than the slab data: counts as 0 degC.
        ConcreteCase{"ContinuousSlab", ContinuousOf(FloorType::Slab), 0, 500, 350, 375.0f},
        ConcreteCase{"ContinuousSlabShallowZone", ContinuousOf(FloorType::Slab), 0, 40, 350,
                     575.0f},
        // Rib width at 50 mm above the soffit is 132 mm: the 100 mm block, 500 degC at 60 mm.
        ConcreteCase{"ContinuousTeeBeamReadsTheRib", ContinuousOf(FloorType::TeeBeam), 0, 60, 350,
                     625.0f},
        ConcreteCase{"ContinuousLightWeightDoubleTee",
                     ContinuousOf(FloorType::DoubleTee, ConcreteType::LightWeight), 0, 60, 350,
                     500.0f}),
    [](const ::testing::TestParamInfo<ConcreteCase>& info) {
        return std::string(info.param.name);
    });

TEST(SectionTemperaturesTest, ContinuousRibbedConcreteReturnsToTheBeamFile) {
    FloorModel model = MakeModel(ContinuousOf(FloorType::DoubleTee));
    model.PosEffectiveCover = 30;
    model.NegEffectiveCover = 30;
    model.PosDamagedDepth = 20;
    model.PosStressBlockDepth = 30;
    model.NegConcTempDepth = 60;
    TempDataContext context{DataSet("section"), ""};
    CalcSteelTemperatures(model, context);
    ASSERT_EQ(context.TempDataFile, DataSet("section") + "/denslab.con");
    CalcConcreteTemperatures(model, context);
    EXPECT_EQ(context.TempDataFile, DataSet("section") + "/denbeam.con");
    EXPECT_EQ(model.SectionWidth, static_cast<float>(125.0 + 50.0 * 50.0 / 350.0));
}

// Each step starts with no previous record: a first record deeper than the target is skipped,
// and the next one interpolates with it. Values left from an earlier step must not be used.
TEST(SectionTemperaturesTest, EveryStepForgetsThePreviousRecordOfTheStepBefore) {
    FloorModel model = MakeModel(Beam);
    model.SectionWidth = 20;
    model.PosEffectiveCover = 10;
    TempDataContext context{DataSet("shallow"), ""};
    const auto leaveStaleValues = [&] {
        model.RecordValue2 = 10;
        model.RecordValue3 = 700;
        model.RecordValue4 = 0;
    };
    leaveStaleValues();
    CalcSteelTemperatures(model, context);
    ExpectClose(model.PosSteelTemp, 600);
    leaveStaleValues();
    CalcDamagedDepths(model, context);
    ExpectClose(model.PosDamagedDepth, 0);  // the line through both records meets 750 above 0
    leaveStaleValues();
    CalcConcreteTemperatures(model, context);
    ExpectClose(model.PosConcTemp, (600.0f + 750.0f) / 2);
}

TEST(SectionTemperaturesTest, NoRatingChosenStopsTheRun) {
    FloorModel model = MakeModel(Beam);
    model.FRRequired = 0;
    model.PosEffectiveCover = 30;
    model.PosSteelTemp = 123;
    TempDataContext context{DataSet("section"), ""};
    try {
        CalcSteelTemperatures(model, context);
        FAIL() << "no error";
    } catch (const CalculationError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "No temperature of the positive-moment steel at a cover of 30 mm was found in "
                  "the temperature data file \"denbeam.con\" for a fire resistance rating of 0 "
                  "minutes and a width of 300 mm. No fire resistance rating has been chosen yet: "
                  "choose one under Design Fire, Standard (ISO).");
    }
    EXPECT_EQ(model.PosSteelTemp, 123.0f);
}

struct NotFoundCase {
    const char* name;
    Member member;
    float width;
    float openingFactor;
    bool damagedDepth;
    const char* fireCase;
};

class NotFoundTest : public ::testing::TestWithParam<NotFoundCase> {};

TEST_P(NotFoundTest, NamesTheFileAndTheFireCase) {
    const NotFoundCase& c = GetParam();
    FloorModel model = MakeModel(c.member);
    model.SectionWidth = c.width;
    model.OpeningFactor = c.openingFactor;
    model.PosEffectiveCover = 30;
    TempDataContext context{DataSet("section"), ""};
    try {
        if (c.damagedDepth) {
            context.TempDataFile = ResolveDataFilePath(
                model.Selected.FloorType == FloorType::Slab
                    ? SlabFileName(model.Selected.DesignFire, model.Selected.ConcreteType)
                    : BeamFileName(model.Selected.DesignFire),
                context.programDir);
            CalcDamagedDepths(model, context);
        } else {
            CalcSteelTemperatures(model, context);
        }
        FAIL() << "no error";
    } catch (const TempDataError&) {
        FAIL() << "reported as a damaged file";
    } catch (const CalculationError& error) {
        EXPECT_THAT(error.what(), HasSubstr(c.fireCase));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Section, NotFoundTest,
    ::testing::Values(
        NotFoundCase{"BeamNarrowerThanEveryBlock", Beam, 50, 0.04f, false,
                     "\"denbeam.con\" for a fire resistance rating of 60 minutes and a width of "
                     "50 mm. Check"},
        NotFoundCase{"DamagedDepthOfANarrowBeam", Beam, 50, 0.04f, true,
                     "No depth at which the concrete reaches 750 degrees C was found in the "
                     "temperature data file \"denbeam.con\""},
        NotFoundCase{"OpeningFactorNotInTheFile", RealFireBeam, 300, 0.08f, false,
                     "\"realbm.con\" for a fire load of 74 kg/m2, an opening factor of 0.08 and a "
                     "width of 300 mm."},
        NotFoundCase{"NonStandardSlabHasNoWidth", RealFireSlab, 1000, 0.15f, true,
                     "\"realslab.con\" for a fire load of 74 kg/m2 and an opening factor of "
                     "0.15."}),
    [](const ::testing::TestParamInfo<NotFoundCase>& info) {
        return std::string(info.param.name);
    });

// Data for this rating and width exist but the whole rib stays above 750 degC: that is the
// member failing, told in the engineer's terms, not a search that found nothing.
TEST(SectionTemperaturesTest, RibHotterThan750ThroughoutIsNamedAsSuch) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "fd9_rib_damaged";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "denbeam.con", std::ios::binary)
        << "180, 100, 0, 1000, 0\n180, 100, 50, 900, 0\n180, 100, 100, 800, 0\n";
    FloorModel model = MakeModel(TeeBeam);
    model.FRRequired = 180;
    model.RibWidthBot = 129.22409f;
    TempDataContext context{folder.string(), ""};
    try {
        CalcDamagedDepths(model, context);
        FAIL() << "no stop";
    } catch (const CalculationError& error) {
        EXPECT_STREQ(error.what(),
                     "The rib is fire-damaged through its whole width of 129.2 mm at 180 "
                     "minutes: no part of it stays below 750 degrees C, so the member cannot "
                     "reach this fire resistance rating. Widen the rib or choose a lower "
                     "rating.");
    }
}

TEST(SectionTemperaturesTest, MissingDataFileIsAFileError) {
    FloorModel model = MakeModel(Slab);
    model.PosEffectiveCover = 30;
    TempDataContext context{DataSet("none"), ""};
    try {
        CalcSteelTemperatures(model, context);
        FAIL() << "no error";
    } catch (const TempDataError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The temperature data file \"denslab.con\" was not "
                  "found in the folder \"" +
                      DataSet("none") + "\".");
    }
}

TEST(SectionTemperaturesTest, RibWithoutDepthStopsTheRun) {
    FloorModel model = MakeModel(DoubleTee);
    model.RibDepth = 0;
    model.PosCentroid = 40;
    TempDataContext context{DataSet("section"), ""};
    EXPECT_THROW(CalcSteelTemperatures(model, context), CalculationError);
}

}  // namespace
}  // namespace fd9
