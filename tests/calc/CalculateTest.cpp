#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleMembers.h"
#include "calc/Calculate.h"
#include "files/ResultsReport.h"
#include "model/Verdicts.h"

using namespace fd9;

namespace {

const std::string DataDir = FD9_TEST_SOURCE_DIR "/calc/data";

FloorModel Slab(DesignFire fire, float depth, float span) {
    FloorModel model = examples::Member(FloorType::Slab, SupportCondition::SimplySupported, fire);
    model.PosSteelCount = 0;
    examples::SlabSection(model, depth);
    model.Span = span;
    return model;
}

FloorModel ContinuousBeam(DesignFire fire) {
    return examples::Member(FloorType::Beam, SupportCondition::Continuous, fire);
}

// Stale section figures, which the run replaces with its rib and flange.
FloorModel ContinuousDoubleTee(DesignFire fire) {
    FloorModel model = examples::Member(FloorType::DoubleTee, SupportCondition::Continuous, fire);
    model.SectionWidth = 300;
    model.SectionDepth = 150;
    return model;
}

CalculationOutcome RunCalculate(FloorModel& model, const std::string& dir = DataDir) {
    TempDataContext context{dir, "stale.con"};
    return Calculate(model, context);
}

std::vector<std::string> Texts(const CalculationOutcome& outcome) {
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

const std::string CoverWarning =
    "NZS 3101 Table 5.5 requires at least 25 mm cover to the face of the bar";

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

// The worked members under both fires: labels, messages and boxes in order, the panel, and the
// insulation rating (a double-tee on its flange, rated for insulation).
TEST(Calculate, WorkedMembersShowLabelsMessagesAndBoxesInOrder) {
    const std::string advice =
        "\r\nIf the floor is continuous over its supports then you may like to try using "
        "negative moment reinforcement";
    const std::string notStd = "STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED";
    const std::string ok = "STABILITY OF  60 MINUTES HAS BEEN ACHIEVED";
    const std::string notNon = "STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS NOT BEEN ACHIEVED";
    const std::string non = "STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS BEEN ACHIEVED";
    const std::string thin = "INSULATION HAS NOT BEEN ACHIEVED - INCREASE SLAB THICKNESS.";
    const std::string noIns = "INSULATION HAS NOT BEEN CONSIDERED FOR NON-STANDARD FIRE.";
    const std::string endStd = "FOR END SPANS, STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED";
    const std::string endNon =
        "FOR END SPANS, STABILITY DURING NON STANDARD FIRE EXPOSURE HAS NOT BEEN ACHIEVED";
    const std::string intOk = "\rSTABILITY FOR INTERMEDIATE SPANS HAS BEEN ACHIEVED.\r";
    const std::string both = "STABILITY FOR END SPANS HAS BEEN ACHIEVED." + intOk;
    const std::string compressive =
        "The concrete failure is in the compression zone. \r\nThis is not desirable. Try "
        "reducing amount of steel or increase concrete strength.";
    // A simply supported run blanks the continuity panel: no number of an earlier run stays.
    const std::vector<std::string> thick{"30.0",  "400.0", "452.4", "120.0", "1000.0",
                                         "350.0", "11.2",  "27.9",  "",      "",
                                         "",      "",      "",      ""};
    const std::vector<std::string> thinSlab{
        "30.0", "400.0", "452.4", "40.0", "1000.0", "350.0", "3.6", "3.1", "", "", "", "", "", ""};
    const std::vector<std::string> beam{"50.0",   "500.0",  "942.5",  "450.0",
                                        "270.0",  "425.0",  "68.4",   "111.6",
                                        "97.047", "43.249", "60.496", "FLEXURAL TENSION",
                                        "8.77",   "0.77"};
    const std::vector<std::string> tee{"50.0",    "500.0",       "628.3", "430.0",  "2400.0",
                                       "350.0",   "45.0",        "77.5",  "73.777", "32.499",
                                       "124.117", "COMPRESSIVE", "7.05",  "0.76"};
    const DesignFire S = DesignFire::Standard, N = DesignFire::NonStandard;
    const struct {
        FloorModel model;
        std::vector<std::string> labels, boxes;
        std::string messages;
        int passes, insulation;
    } cases[] = {
        {Slab(S, 150, 6), thick, {CoverWarning, notStd + advice}, notStd + "\r", 0, 180},
        {Slab(S, 70, 2), thinSlab, {CoverWarning, thin}, ok, 0, 30},
        {Slab(N, 150, 6), thick, {CoverWarning, notNon + advice}, notNon + "\r" + noIns, 0, 240},
        {Slab(N, 70, 2), thinSlab, {CoverWarning}, non, 0, 240},
        {ContinuousBeam(S), beam, {endStd}, endStd + intOk, 9, 0},
        {ContinuousBeam(N), beam, {endNon}, endNon + intOk + noIns, 9, 240},
        {ContinuousDoubleTee(S), tee, {compressive}, both, 3, 120},
        {ContinuousDoubleTee(N), tee, {compressive}, both + noIns, 3, 240},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.messages);
        TempDataContext context{DataDir, "/elsewhere/stale.con"};
        const CalculationOutcome outcome = Calculate(c.model, context);
        ASSERT_TRUE(outcome.completed) << outcome.stopMessage;
        EXPECT_EQ(Labels(outcome), c.labels);
        EXPECT_EQ(Texts(outcome), c.boxes);
        for (const CalculationBox& box : outcome.boxes) {
            EXPECT_EQ(box.exclamation, box.text == CoverWarning);
        }
        EXPECT_EQ(outcome.messages.value_or("-"), c.messages);
        const bool continuous = c.model.Selected.SupportCondition == SupportCondition::Continuous;
        EXPECT_EQ(outcome.panel,
                  continuous ? ResultPanel::Continuity : ResultPanel::SimplySupported);
        EXPECT_EQ(outcome.failureModeRed,
                  continuous ? std::optional(c.labels[11] == "COMPRESSIVE") : std::nullopt);
        EXPECT_EQ(outcome.compressionZonePasses, c.passes);
        EXPECT_EQ(c.model.InsulationRating, c.insulation);
        // The data file is chosen afresh before the temperature steps.
        if (!continuous && c.model.Selected.DesignFire == DesignFire::Standard) {
            EXPECT_NE(context.TempDataFile.find("aqslab.con"), std::string::npos);
        }
    }
}

TEST(Calculate, DoubleTeeLeavesItsWorkingWidthAndFlangeDepth) {
    FloorModel model = ContinuousDoubleTee(DesignFire::Standard);
    ASSERT_TRUE(RunCalculate(model).completed);
    EXPECT_NEAR(model.SectionWidth, 127.4367, 1e-3);  // rib width of the last concrete step
    EXPECT_FLOAT_EQ(model.SectionDepth, 130);         // flange rated for insulation
    EXPECT_NEAR(model.NegConcTempDepth, 63.7184, 1e-3);
    model = ContinuousDoubleTee(DesignFire::NonStandard);
    ASSERT_TRUE(RunCalculate(model).completed);
    EXPECT_FLOAT_EQ(model.SectionDepth, 480);
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

// A light dead load under a heavy live load puts both formulas below 0: the end bay's steel runs
// the whole span, the intermediate bay needs none, and the message area and the report say why.
TEST(CalculateSound, NoNegativeLengthABayWithoutInflectionIsExplained) {
    FloorModel model = ContinuousDoubleTee(DesignFire::Standard);
    model.DeadLoad = 0.1f;
    model.LiveLoad = 30;
    const CalculationOutcome outcome = RunCalculate(model);
    ASSERT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.label(ResultLabel::InflectionEndBay), "10.00");
    EXPECT_EQ(outcome.label(ResultLabel::InflectionIntBay), "0.00");
    const std::vector<std::string> notes = ResultNotes(model);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].rfind("An end bay has no point of inflection", 0), 0u);
    EXPECT_EQ(notes[1].rfind("An intermediate bay has no point of inflection", 0), 0u);
    EXPECT_TRUE(outcome.messages->ends_with("\r" + notes[0] + "\r" + notes[1]));
    EXPECT_NE(ResultsFileText(model, "").find("\r\n\r\n" + notes[0] + "\r\n" + notes[1] + "\r\n"),
              std::string::npos);
}

TEST(CalculateSound, RatingZeroAfterStartUpStopsInsteadOfAVerdictFor0Minutes) {
    FloorModel model = Slab(DesignFire::Standard, 150, 6);
    ASSERT_TRUE(RunCalculate(model).completed);
    model.FRRequired = 0;
    const CalculationOutcome outcome = RunCalculate(model);
    ExpectStoppedWithoutVerdict(outcome);
    // Before any step, as for loads never confirmed: the rating message alone.
    EXPECT_EQ(outcome.stopMessage,
              "No fire resistance rating has been chosen yet: choose one under Design Fire, "
              "Standard (ISO).");
    EXPECT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.label(ResultLabel::EffectiveCover), "");
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
