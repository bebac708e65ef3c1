#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../reliability/ModelFields.h"
#include "ExampleMembers.h"
#include "calc/Calculate.h"
#include "calc/FireExplorer.h"
#include "thermal/SectionTemperatures.h"

using namespace fd9;

namespace {

FloorModel Member(FloorType floor, SupportCondition support) {
    FloorModel model;
    model.Selected.FloorType = floor;
    model.Selected.SupportCondition = support;
    model.Selected.ConcreteType = ConcreteType::NormalWeight;
    switch (floor) {
        case FloorType::Slab:
            examples::SlabSection(model, 150);
            examples::Loads(model, 6);
            examples::AddBar(model.NegSteel, model.NegSteelCount, 500, 30, 12);
            break;
        case FloorType::Beam:
            examples::BeamSection(model);
            examples::Loads(model, 12);
            break;
        case FloorType::DoubleTee:
        case FloorType::TeeBeam:
            examples::DoubleTeeSection(model);
            examples::Loads(model, 10);
            if (floor == FloorType::TeeBeam) {
                model.PosSteelCount = 0;
                examples::AddBar(model.PosSteel, model.PosSteelCount, 1200, 430, 20);
            }
            break;
    }
    return model;
}

bool HasShippedData() {
    return std::filesystem::exists(std::filesystem::path(FD9_DATA_DIR) / "denbeam.con") &&
           std::filesystem::exists(std::filesystem::path(FD9_DATA_DIR) / "realslab.con");
}

// What CALCULATE itself gives for one fire, on its own copy of the member.
struct Reference {
    FloorModel model;
    CalculationOutcome outcome;
};

Reference CalculateFor(const FloorModel& member, const ExplorerFire& fire) {
    Reference r{member, {}};
    r.model.Selected.DesignFire = fire.fire;
    if (fire.fire == DesignFire::Standard) {
        r.model.FRRequired = fire.rating;
    } else {
        r.model.FireLoad = fire.fireLoad;
        r.model.OpeningFactor = fire.openingFactor;
    }
    TempDataContext context{FD9_DATA_DIR, {}};
    r.outcome = Calculate(r.model, context);
    return r;
}

bool Contains(const std::optional<std::string>& text, const char* part) {
    return text && text->find(part) != std::string::npos;
}

bool HasBox(const CalculationOutcome& outcome, const char* part) {
    for (const CalculationBox& box : outcome.boxes) {
        if (box.text.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

class FireExplorerMembers : public testing::TestWithParam<std::tuple<FloorType, SupportCondition>> {
};

// Every point against a CALCULATE of that fire, verdicts read from the message area CALCULATE
// writes; then the ratings against the points, and the user's model untouched.
TEST_P(FireExplorerMembers, EveryPointIsWhatCalculateGives) {
    if (!HasShippedData()) {
        GTEST_SKIP() << "the temperature data files are not in " << FD9_DATA_DIR;
    }
    const auto [floor, support] = GetParam();
    const FloorModel member = Member(floor, support);
    FloorModel user = member;
    const std::string before = reliability::Describe(user);

    const ExplorerResult result = ExploreFireResistance(user, FD9_DATA_DIR);
    EXPECT_EQ(reliability::Describe(user), before);
    ASSERT_FALSE(result.nothingToCalculate);
    ASSERT_EQ(result.standard.size(), 6u);
    ASSERT_EQ(result.nonStandard.size(), 15u);
    const bool continuous = support == SupportCondition::Continuous;
    EXPECT_EQ(result.continuous, continuous);

    int completed = 0;
    for (const auto* points : {&result.standard, &result.nonStandard}) {
        for (const ExplorerPoint& p : *points) {
            SCOPED_TRACE(testing::Message() << "rating " << p.fire.rating << " fire load "
                                            << p.fire.fireLoad << " O " << p.fire.openingFactor);
            const Reference r = CalculateFor(member, p.fire);
            ASSERT_EQ(p.completed, r.outcome.completed);
            if (!p.completed) {
                EXPECT_EQ(p.stopReason, r.outcome.stopMessage);
                EXPECT_FALSE(p.stopReason.empty());
                continue;
            }
            ++completed;
            EXPECT_EQ(p.posCapacity, r.model.PosMomentCapacity);
            EXPECT_EQ(p.appliedMoment, r.model.AppliedMoment);
            const auto& messages = r.outcome.messages;
            if (continuous) {
                EXPECT_EQ(p.negCapacity, r.model.NegMomentCapacity);
                EXPECT_EQ(p.reqNegEndBay, r.model.ReqNegMomEndBay);
                EXPECT_EQ(p.reqNegIntBay, r.model.ReqNegMomIntBay);
                EXPECT_EQ(p.compressiveFailure,
                          r.outcome.label(ResultLabel::FailureMode) == "COMPRESSIVE");
                EXPECT_EQ(p.endSpans, Contains(messages, "STABILITY FOR END SPANS HAS BEEN"));
                EXPECT_EQ(p.intermediateSpans,
                          Contains(messages, "STABILITY FOR INTERMEDIATE SPANS HAS BEEN"));
                EXPECT_FALSE(p.stability);
            } else {
                EXPECT_EQ(p.stability, Contains(messages, "HAS BEEN ACHIEVED"));
                EXPECT_FALSE(p.endSpans);
            }
            const bool insulated = p.fire.fire == DesignFire::Standard && floor != FloorType::Beam;
            ASSERT_EQ(p.insulationRating.has_value(), insulated);
            if (insulated) {
                EXPECT_EQ(*p.insulationRating, r.model.InsulationRating);
                EXPECT_EQ(*p.insulation, !HasBox(r.outcome, "INSULATION HAS NOT BEEN ACHIEVED"));
            }
        }
    }
    EXPECT_GT(completed, 0) << "the shipped data should carry these members through";

    // A rating is reached when it and every shorter one are achieved.
    const auto check = [&](const std::optional<std::int16_t>& rating, auto achieved) {
        bool reaching = true;
        std::optional<std::int16_t> expected;
        for (const ExplorerPoint& p : result.standard) {
            reaching = reaching && p.completed && achieved(p);
            if (reaching) {
                expected = p.fire.rating;
            }
        }
        EXPECT_EQ(rating, expected);
    };
    if (continuous) {
        check(result.endSpanRating, [](const ExplorerPoint& p) { return *p.endSpans; });
        check(result.intermediateSpanRating,
              [](const ExplorerPoint& p) { return *p.intermediateSpans; });
        EXPECT_FALSE(result.stabilityRating);
    } else {
        check(result.stabilityRating, [](const ExplorerPoint& p) { return *p.stability; });
    }
    if (floor == FloorType::Beam) {
        EXPECT_FALSE(result.insulationRating);
    } else {
        check(result.insulationRating, [](const ExplorerPoint& p) { return *p.insulation; });
    }
}

INSTANTIATE_TEST_SUITE_P(AllFloors, FireExplorerMembers,
                         testing::Combine(testing::Values(FloorType::Beam, FloorType::Slab,
                                                          FloorType::DoubleTee, FloorType::TeeBeam),
                                          testing::Values(SupportCondition::SimplySupported,
                                                          SupportCondition::Continuous)));

// A run that cannot find its data stops with a reason in its own point; the explorer goes on
// with the next fire and never throws.
TEST(FireExplorer, StoppedRunsCarryTheirReason) {
    const FloorModel member = Member(FloorType::Slab, SupportCondition::SimplySupported);
    const ExplorerResult result = ExploreFireResistance(member, "/nonexistent-fd9-data");
    ASSERT_EQ(result.standard.size() + result.nonStandard.size(), 21u);
    for (const auto* points : {&result.standard, &result.nonStandard}) {
        for (const ExplorerPoint& p : *points) {
            EXPECT_FALSE(p.completed);
            EXPECT_NE(p.stopReason.find(".con"), std::string::npos) << p.stopReason;
            EXPECT_EQ(VerdictText(p).rfind("STOPPED: ", 0), 0u);
        }
    }
    EXPECT_FALSE(result.stabilityRating);
    EXPECT_FALSE(result.insulationRating);

    // Loads never confirmed: CALCULATE refuses, so every fire's row says so.
    FloorModel unloaded = member;
    unloaded.DeadLoad = 0;
    for (const ExplorerPoint& p : ExploreFireResistance(unloaded, FD9_DATA_DIR).nonStandard) {
        EXPECT_FALSE(p.completed);
        EXPECT_NE(p.stopReason.find("under Loads"), std::string::npos) << p.stopReason;
    }

    FloorModel bare;
    EXPECT_TRUE(ExploreFireResistance(bare, FD9_DATA_DIR).nothingToCalculate);
}

// The CSV has one row per fire and every row the header's columns, also for stopped runs and
// reasons holding commas or quotes.
TEST(FireExplorer, CsvRowsMatchTheHeader) {
    const auto fields = [](const std::string& line) {
        int count = 1;
        bool quoted = false;
        for (char c : line) {
            if (c == '"') {
                quoted = !quoted;
            } else if (c == ',' && !quoted) {
                ++count;
            }
        }
        return count;
    };
    ExplorerResult result;
    result.continuous = true;
    ExplorerPoint done;
    done.completed = true;
    done.fire = {DesignFire::Standard, 60, 0, 0};
    done.endSpans = true;
    done.intermediateSpans = false;
    done.insulationRating = 90;
    ExplorerPoint stopped;
    stopped.fire = {DesignFire::NonStandard, 0, 74, 0.08f};
    stopped.stopReason = "File \"x, y\" not found\r\nin here";
    result.standard = {done};
    result.nonStandard = {stopped};
    for (bool withModel : {false, true}) {
        const int columns = fields(ExplorerCsvHeader(withModel));
        std::istringstream rows(ExplorerCsvRows(result, "a,b.dat", withModel));
        std::vector<std::string> lines;
        for (std::string line; std::getline(rows, line);) {
            EXPECT_EQ(fields(line), columns) << line;
            lines.push_back(withModel ? line.substr(line.find(".dat\",") + 6) : line);
        }
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].rfind("standard,60,,,", 0), 0u) << lines[0];
        EXPECT_EQ(lines[1].rfind("non-standard,,74,0.08,", 0), 0u) << lines[1];
    }
    EXPECT_EQ(VerdictText(done), "END SPANS ACHIEVED; INTERMEDIATE SPANS NOT ACHIEVED");
    EXPECT_EQ(VerdictText(stopped), "STOPPED: File \"x, y\" not found  in here");
}

// Nothing required gives no percentage rather than an infinite one.
TEST(FireExplorer, MarginIsAShareOfWhatIsRequired) {
    EXPECT_FLOAT_EQ(MarginKnm(90, 100), -10);
    EXPECT_FLOAT_EQ(*MarginPercent(90, 100), -10);
    EXPECT_FLOAT_EQ(*MarginPercent(150, -100), 250);
    EXPECT_FALSE(MarginPercent(5, 0));
}

}  // namespace
