#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "ExampleMembers.h"
#include "calc/Calculate.h"

using namespace fd9;

namespace {

const std::string DataDir = FD9_TEST_SOURCE_DIR "/calc/data";

// The applied-moment example members under the given fire.
FloorModel Member(FloorType floor, DesignFire fire, SupportCondition support, float span) {
    FloorModel model;
    model.Selected.FloorType = floor;
    model.Selected.DesignFire = fire;
    model.Selected.SupportCondition = support;
    examples::Loads(model, span);
    return model;
}

FloorModel Slab(DesignFire fire, float depth, float span) {
    FloorModel model = Member(FloorType::Slab, fire, SupportCondition::SimplySupported, span);
    examples::SlabSection(model, depth);
    return model;
}

FloorModel ContinuousBeam(DesignFire fire) {
    FloorModel model = Member(FloorType::Beam, fire, SupportCondition::Continuous, 12);
    examples::BeamSection(model);
    return model;
}

FloorModel ContinuousDoubleTee(DesignFire fire) {
    FloorModel model = Member(FloorType::DoubleTee, fire, SupportCondition::Continuous, 10);
    examples::DoubleTeeSection(model);
    model.SectionWidth = 300;
    model.SectionDepth = 150;
    return model;
}

CalculationOutcome RunCalculate(FloorModel& model, const std::string& dir = DataDir) {
    TempDataContext context{dir, "stale.con"};
    return Calculate(model, context);
}

std::vector<std::string> BoxTexts(const CalculationOutcome& outcome) {
    std::vector<std::string> texts;
    for (const CalculationBox& box : outcome.boxes) {
        texts.push_back(box.text);
    }
    return texts;
}

// Every label in panel order; "-" for a label the run did not reach.
std::vector<std::string> Labels(const CalculationOutcome& outcome) {
    std::vector<std::string> texts;
    for (const auto& label : outcome.labels) {
        texts.push_back(label.value_or("-"));
    }
    return texts;
}

const char* const Advice =
    "\r\nIf the floor is continuous over its supports then you may like to try using negative "
    "moment reinforcement";
const char* const CoverWarning =
    "NZS 3101 Table 5.5 requires at least 25 mm cover to the face of the bar";
const char* const NonStandardInsulation =
    "INSULATION HAS NOT BEEN CONSIDERED FOR NON-STANDARD FIRE.";

TEST(Calculate, NoPositiveBarDoesNothingAtAll) {
    FloorModel model = Slab(DesignFire::Standard, 150, 6);
    model.PosSteelCount = 0;
    model.PosSteelArea = 123;
    TempDataContext context{DataDir, "kept.con"};
    const CalculationOutcome outcome = Calculate(model, context);
    EXPECT_TRUE(outcome.nothingHappened);
    EXPECT_FALSE(outcome.completed);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_FALSE(outcome.messages);
    EXPECT_FALSE(outcome.panel);
    for (const auto& label : outcome.labels) {
        EXPECT_FALSE(label);
    }
    EXPECT_EQ(context.TempDataFile, "kept.con");
    EXPECT_FLOAT_EQ(model.PosSteelArea, 123);
}

struct SlabCase {
    const char* name;
    DesignFire fire;
    float depth;
    float span;
    std::vector<std::string> boxes;
    std::string messages;
    std::string capacity;
    std::string applied;
    std::int16_t insulationRating;
};

class SimplySupportedSlab : public testing::TestWithParam<SlabCase> {};

TEST_P(SimplySupportedSlab, ShowsLabelsMessagesAndBoxesInOrder) {
    const SlabCase& c = GetParam();
    FloorModel model = Slab(c.fire, c.depth, c.span);
    const CalculationOutcome outcome = RunCalculate(model);
    ASSERT_TRUE(outcome.completed) << outcome.stopMessage;
    EXPECT_EQ(BoxTexts(outcome), c.boxes);
    EXPECT_TRUE(outcome.boxes.front().exclamation);
    for (std::size_t i = 1; i < outcome.boxes.size(); ++i) {
        EXPECT_FALSE(outcome.boxes[i].exclamation);
    }
    EXPECT_EQ(outcome.messages.value_or("-"), c.messages);
    const std::string reducedDepth = c.depth == 150 ? "120.0" : "40.0";
    EXPECT_EQ(Labels(outcome),
              (std::vector<std::string>{"30.0", "400.0", "452.4", reducedDepth, "1000.0", "350.0",
                                        c.capacity, c.applied, "-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(outcome.panel, ResultPanel::SimplySupported);
    EXPECT_FALSE(outcome.failureModeRed);
    EXPECT_EQ(model.InsulationRating, c.insulationRating);
}

INSTANTIATE_TEST_SUITE_P(
    BothFires, SimplySupportedSlab,
    testing::Values(
        SlabCase{
            "StandardShortOfCapacity",
            DesignFire::Standard,
            150,
            6,
            {CoverWarning, std::string("STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED") + Advice},
            "STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED\r",
            "11.2",
            "27.9",
            180},
        SlabCase{"StandardTooThinToInsulate",
                 DesignFire::Standard,
                 70,
                 2,
                 {CoverWarning, "INSULATION HAS NOT BEEN ACHIEVED - INCREASE SLAB THICKNESS."},
                 "STABILITY OF  60 MINUTES HAS BEEN ACHIEVED",
                 "3.6",
                 "3.1",
                 30},
        SlabCase{"NonStandardShortOfCapacity",
                 DesignFire::NonStandard,
                 150,
                 6,
                 {CoverWarning,
                  std::string("STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS NOT BEEN ACHIEVED") +
                      Advice},
                 std::string("STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS NOT BEEN ACHIEVED\r") +
                     NonStandardInsulation,
                 "11.2",
                 "27.9",
                 240},
        SlabCase{"NonStandardEnoughCapacity",
                 DesignFire::NonStandard,
                 70,
                 2,
                 {CoverWarning},
                 "STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS BEEN ACHIEVED",
                 "3.6",
                 "3.1",
                 240}),
    [](const auto& info) { return std::string(info.param.name); });

struct ContinuousCase {
    const char* name;
    FloorModel (*member)(DesignFire);
    DesignFire fire;
    std::vector<std::string> labels;
    std::vector<std::string> boxes;
    std::string messages;
    bool red;
    int passes;
};

class ContinuousMember : public testing::TestWithParam<ContinuousCase> {};

TEST_P(ContinuousMember, ShowsLabelsMessagesAndBoxesInOrder) {
    const ContinuousCase& c = GetParam();
    FloorModel model = c.member(c.fire);
    const CalculationOutcome outcome = RunCalculate(model);
    ASSERT_TRUE(outcome.completed) << outcome.stopMessage;
    EXPECT_EQ(Labels(outcome), c.labels);
    EXPECT_EQ(BoxTexts(outcome), c.boxes);
    for (const CalculationBox& box : outcome.boxes) {
        EXPECT_FALSE(box.exclamation);
    }
    EXPECT_EQ(outcome.messages.value_or("-"), c.messages);
    EXPECT_EQ(outcome.failureModeRed, c.red);
    EXPECT_EQ(outcome.panel, ResultPanel::Continuity);
    EXPECT_EQ(outcome.compressionZonePasses, c.passes);
}

const std::vector<std::string> BeamLabels{"50.0",   "500.0",  "942.5",  "450.0",
                                          "270.0",  "425.0",  "68.4",   "111.6",
                                          "97.047", "43.249", "60.496", "FLEXURAL TENSION",
                                          "8.77",   "0.77"};
const std::vector<std::string> DoubleTeeLabels{
    "50.0", "500.0",  "628.3",  "430.0",   "2400.0",      "350.0", "45.0",
    "77.5", "73.777", "32.499", "124.117", "COMPRESSIVE", "7.05",  "0.76"};
const std::string Compressive =
    "The concrete failure is in the compression zone. \r\nThis is not desirable. Try reducing "
    "amount of steel or increase concrete strength.";
const std::string BothSpansAchieved =
    "STABILITY FOR END SPANS HAS BEEN ACHIEVED.\rSTABILITY FOR INTERMEDIATE SPANS HAS BEEN "
    "ACHIEVED.\r";

INSTANTIATE_TEST_SUITE_P(
    BothFires, ContinuousMember,
    testing::Values(
        ContinuousCase{"BeamStandard",
                       ContinuousBeam,
                       DesignFire::Standard,
                       BeamLabels,
                       {"FOR END SPANS, STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED"},
                       "FOR END SPANS, STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED\rSTABILITY "
                       "FOR INTERMEDIATE SPANS HAS BEEN ACHIEVED.\r",
                       false,
                       9},
        ContinuousCase{"BeamNonStandard",
                       ContinuousBeam,
                       DesignFire::NonStandard,
                       BeamLabels,
                       {"FOR END SPANS, STABILITY DURING NON STANDARD FIRE EXPOSURE HAS NOT BEEN "
                        "ACHIEVED"},
                       std::string("FOR END SPANS, STABILITY DURING NON STANDARD FIRE EXPOSURE "
                                   "HAS NOT BEEN ACHIEVED\rSTABILITY FOR INTERMEDIATE SPANS HAS "
                                   "BEEN ACHIEVED.\r") +
                           NonStandardInsulation,
                       false,
                       9},
        ContinuousCase{"DoubleTeeStandard",
                       ContinuousDoubleTee,
                       DesignFire::Standard,
                       DoubleTeeLabels,
                       {Compressive},
                       BothSpansAchieved,
                       true,
                       3},
        ContinuousCase{"DoubleTeeNonStandard",
                       ContinuousDoubleTee,
                       DesignFire::NonStandard,
                       DoubleTeeLabels,
                       {Compressive},
                       BothSpansAchieved + NonStandardInsulation,
                       true,
                       3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Calculate, DoubleTeeLeavesItsWorkingWidthAndFlangeDepth) {
    FloorModel model = ContinuousDoubleTee(DesignFire::Standard);
    ASSERT_TRUE(RunCalculate(model).completed);
    EXPECT_NEAR(model.SectionWidth, 127.4367, 1e-3);  // rib width of the last concrete step
    EXPECT_FLOAT_EQ(model.SectionDepth, 130);         // flange rated for insulation
    EXPECT_EQ(model.InsulationRating, 120);
    EXPECT_NEAR(model.NegConcTempDepth, 63.7184, 1e-3);

    model = ContinuousDoubleTee(DesignFire::NonStandard);
    ASSERT_TRUE(RunCalculate(model).completed);
    EXPECT_FLOAT_EQ(model.SectionDepth, 480);
    EXPECT_EQ(model.InsulationRating, 240);
}

TEST(Calculate, EmptiesTheDataFileBeforeTheTemperatureSteps) {
    FloorModel model = Slab(DesignFire::Standard, 150, 6);
    TempDataContext context{DataDir, "/elsewhere/stale.con"};
    ASSERT_TRUE(Calculate(model, context).completed);
    EXPECT_NE(context.TempDataFile.find("aqslab.con"), std::string::npos);
}

// A stopped run gives no verdict and leaves no number of an earlier run in the panels.
void ExpectStoppedWithoutVerdict(const CalculationOutcome& outcome) {
    EXPECT_FALSE(outcome.completed);
    EXPECT_FALSE(outcome.nothingHappened);
    ASSERT_FALSE(outcome.boxes.empty());
    EXPECT_FALSE(outcome.stopMessage.empty());
    const std::string stopped = "The calculation has stopped and no verdict has been given.";
    EXPECT_EQ(outcome.boxes.back().text, outcome.stopMessage + "\r\n" + stopped);
    EXPECT_TRUE(outcome.boxes.back().exclamation);
    EXPECT_EQ(outcome.messages.value_or("-"), outcome.stopMessage + "\r" + stopped);
    for (const CalculationBox& box : outcome.boxes) {
        EXPECT_EQ(box.text.find("ACHIEVED"), std::string::npos) << box.text;
    }
    for (const auto& label : outcome.labels) {
        ASSERT_TRUE(label);
        EXPECT_EQ(label->find("nan"), std::string::npos);
        EXPECT_EQ(label->find("inf"), std::string::npos);
    }
    EXPECT_FALSE(outcome.panel);
}

TEST(CalculateSound, RatingZeroAfterStartUpStopsInsteadOfAVerdictFor0Minutes) {
    FloorModel model = Slab(DesignFire::Standard, 150, 6);
    ASSERT_TRUE(RunCalculate(model).completed);
    model.FRRequired = 0;
    const CalculationOutcome outcome = RunCalculate(model);
    ExpectStoppedWithoutVerdict(outcome);
    EXPECT_EQ(outcome.boxes.front().text, CoverWarning);
    EXPECT_EQ(outcome.label(ResultLabel::EffectiveCover), "30.0");
    EXPECT_EQ(outcome.label(ResultLabel::SteelTemp), "");
    EXPECT_EQ(outcome.label(ResultLabel::AppliedMom), "");
}

TEST(CalculateSound, MissingDataFileStops) {
    FloorModel model = ContinuousBeam(DesignFire::Standard);
    ExpectStoppedWithoutVerdict(RunCalculate(model, DataDir + "/no-such-folder"));
}

TEST(CalculateSound, FireThatConsumesTheBeamWidthStops) {
    FloorModel model = ContinuousBeam(DesignFire::Standard);
    model.FRRequired = 120;  // 750 degC lies 70 mm deep in a beam 100 mm wide
    model.SectionWidth = 100;
    model.PosSteel[0] = {30, 450, 20, 0};
    model.PosSteel[1] = {50, 450, 20, 0};
    model.PosSteel[2] = {70, 450, 20, 0};
    model.NegSteelCount = 0;
    const CalculationOutcome outcome = RunCalculate(model);
    ExpectStoppedWithoutVerdict(outcome);
    EXPECT_NE(outcome.stopMessage.find("consumed the whole width"), std::string::npos)
        << outcome.stopMessage;
    EXPECT_EQ(outcome.label(ResultLabel::ReducedWidth), "-40.0");
}

// The dialogs never store a dead load, span, fire load or opening factor of 0, nor both load
// factors 0: such a model was never confirmed and must not get a verdict, simply supported
// (where the applied moment would be 0) or continuous alike.
TEST(CalculateSound, UnconfirmedLoadsOrFireStopBeforeAnyStep) {
    const struct {
        const char* name;
        DesignFire fire;
        void (*unconfirm)(FloorModel&);
        const char* dialog;
    } cases[] = {
        {"dead load", DesignFire::Standard, [](FloorModel& m) { m.DeadLoad = 0; }, "Loads"},
        {"span", DesignFire::Standard, [](FloorModel& m) { m.Span = 0; }, "Loads"},
        {"both factors", DesignFire::NonStandard,
         [](FloorModel& m) { m.DeadLoadFactor = m.LiveLoadFactor = 0; }, "Loads"},
        {"fire load", DesignFire::NonStandard, [](FloorModel& m) { m.FireLoad = 0; },
         "Design Fire, Non-Standard"},
        {"opening factor", DesignFire::NonStandard, [](FloorModel& m) { m.OpeningFactor = 0; },
         "Design Fire, Non-Standard"},
    };
    for (const auto& c : cases) {
        for (bool continuous : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (continuous ? " continuous" : ""));
            FloorModel model = continuous ? ContinuousDoubleTee(c.fire) : Slab(c.fire, 150, 6);
            c.unconfirm(model);
            const CalculationOutcome outcome = RunCalculate(model);
            ExpectStoppedWithoutVerdict(outcome);
            EXPECT_NE(outcome.stopMessage.find(std::string("under ") + c.dialog), std::string::npos)
                << outcome.stopMessage;
            EXPECT_EQ(outcome.boxes.size(), 1u);
            EXPECT_EQ(outcome.label(ResultLabel::AppliedMom), "");
        }
    }
    // A live load factor of 0 alone is a roof under NZS 4203, not an unconfirmed load.
    FloorModel roof = Slab(DesignFire::Standard, 150, 6);
    roof.LiveLoadFactor = 0;
    EXPECT_TRUE(RunCalculate(roof).completed);
}

}  // namespace
