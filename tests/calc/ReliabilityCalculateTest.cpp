// CALCULATE over random valid members: either every label shows a finite number and a verdict
// that the boxes, the message area and the report agree on, or the run stops with a message and
// gives no verdict.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "../reliability/ModelFields.h"
#include "../reliability/OpenFiles.h"
#include "calc/Calculate.h"
#include "files/ResultsReport.h"
#include "model/ParseLeadingNumber.h"
#include "model/Verdicts.h"

namespace fd9 {
namespace {

const std::string DataDir = FD9_TEST_SOURCE_DIR "/calc/data";

FloorModel RandomMember(std::mt19937& rng) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto real = [&](double low, double high) {
        return static_cast<float>(std::uniform_real_distribution<double>(low, high)(rng));
    };
    FloorModel m;
    m.Selected.FloorType = static_cast<FloorType>(pick(4));
    m.Selected.DesignFire = static_cast<DesignFire>(pick(2));
    m.Selected.SupportCondition = static_cast<SupportCondition>(pick(2));
    m.Selected.PosSteelType = static_cast<SteelType>(pick(2));
    m.Selected.NegSteelType = static_cast<SteelType>(pick(2));
    m.Selected.ConcreteType = static_cast<ConcreteType>(pick(5));
    m.Selected.Exposure = static_cast<ExposureClass>(pick(5));
    const std::int16_t ratings[] = {30, 60, 90, 120, 180, 240};
    m.FRRequired = ratings[pick(6)];
    const std::int16_t fireLoads[] = {37, 74, 111};
    m.FireLoad = fireLoads[pick(3)];
    const float openings[] = {0.01f, 0.02f, 0.04f, 0.08f, 0.15f};
    m.OpeningFactor = openings[pick(5)];
    m.ConcreteStrength = float(20 + pick(41));
    m.PosSteelStrength = float(250 + pick(1600));
    m.NegSteelStrength = float(250 + pick(1600));
    m.DeadLoad = real(0, 30);
    m.LiveLoad = real(0, 30);
    m.DeadLoadFactor = 1;
    m.LiveLoadFactor = 0.4f;
    m.Span = real(1, 20);

    // Bars inside the section, as the reinforcement dialog admits them.
    float width = 0, depth = 0, flange = 0;
    switch (m.Selected.FloorType) {
        case FloorType::Beam:
            m.SectionWidth = width = real(200, 600);
            m.SectionDepth = depth = real(width, 1200);
            break;
        case FloorType::Slab:
            m.SectionWidth = width = 1000;
            m.SectionDepth = depth = real(80, 400);
            break;
        case FloorType::DoubleTee:
        case FloorType::TeeBeam:
            m.OverallWidth = width = real(1000, 3000);
            m.OverallDepth = depth = real(300, 900);
            m.RibDepth = real(0.4 * depth, 0.8 * depth);
            flange = depth - m.RibDepth;
            m.RibWidthBot = real(80, 200);
            m.RibWidthTop = real(m.RibWidthBot, 300);
            m.SectionWidth = m.RibWidthTop;
            m.SectionDepth = flange;
            break;
    }
    const bool ribbed = flange > 0;
    auto ribCentre = [&] {
        return m.Selected.FloorType == FloorType::TeeBeam ? width / 2
                                                          : (pick(2) ? width / 4 : 3 * width / 4);
    };
    m.PosSteelCount = std::int16_t(1 + pick(8));
    for (int i = 0; i < m.PosSteelCount; ++i) {
        const float d = real(8, 32);
        const float x = ribbed ? ribCentre() + real(-0.4, 0.4) * m.RibWidthBot : real(d, width - d);
        const float y = ribbed ? real(flange + 1, depth - d) : real(depth / 2, depth - d);
        m.PosSteel[i] = {x, y, d, 0};
    }
    m.NegSteelCount = std::int16_t(pick(6));
    for (int i = 0; i < m.NegSteelCount; ++i) {
        const float d = real(8, 25);
        const float top = ribbed ? flange : depth / 2;
        m.NegSteel[i] = {real(d, width - d), real(d, std::max(top - 1, d + 1)), d, 0};
    }
    return m;
}

bool ShowsFiniteNumber(const std::string& text) {
    for (const char* bad : {"NAN", "INF", "nan", "inf"}) {
        if (text.find(bad) != std::string::npos)
            return false;
    }
    return std::isfinite(ParseLeadingNumber(text));
}

bool GivesVerdict(const CalculationOutcome& outcome) {
    return outcome.messages && outcome.messages->find("STABILITY") != std::string::npos;
}

// Each verdict as the capacities give it, capacity equal to demand being achieved, in the run's
// own flags, its boxes, its message area and the report of the model it leaves.
void ExpectOutputsAgreeWithTheCapacities(const FloorModel& m, const CalculationOutcome& outcome) {
    std::string boxes;
    for (const CalculationBox& box : outcome.boxes)
        boxes += box.text + "\n";
    const std::string report = ResultsFileText(m, "");
    const bool standard = m.Selected.DesignFire == DesignFire::Standard;
    const auto agree = [&](VerdictSpan span, float capacity, float demand,
                           const std::optional<bool>& given) {
        const bool achieved = capacity >= demand;
        const std::string no = StabilityVerdict(span, standard, m.FRRequired, false);
        const std::string line = StabilityVerdict(span, standard, m.FRRequired, achieved) + "\r\n";
        EXPECT_EQ(given, achieved) << no;
        EXPECT_EQ(boxes.find(no) == std::string::npos, achieved) << no;
        EXPECT_EQ(outcome.messages->find(no) == std::string::npos, achieved) << no;
        EXPECT_NE(report.find(line), std::string::npos) << line;
    };
    if (m.Selected.SupportCondition == SupportCondition::Continuous) {
        agree(VerdictSpan::EndSpans, m.NegMomentCapacity, m.ReqNegMomEndBay, outcome.endSpans);
        agree(VerdictSpan::IntermediateSpans, m.NegMomentCapacity, m.ReqNegMomIntBay,
              outcome.intermediateSpans);
    } else {
        agree(VerdictSpan::Member, m.PosMomentCapacity, m.AppliedMoment, outcome.stability);
    }
}

// Without its data folder every run stops with a message as well.
TEST(ReliabilityCalculate, RandomMembersGiveFiniteLabelsAndAVerdictOrAMessageAndNone) {
    std::mt19937 rng(1234);
    const int openBefore = reliability::OpenFileCount();
    int completed = 0;
    int stopped = 0;
    int needsNoTopSteel = 0;  // continuous, nothing required, no capacity: equal is achieved
    for (int trial = 0; trial < 300; ++trial) {
        FloorModel model = RandomMember(rng);
        const std::string input = reliability::Describe(model);
        SCOPED_TRACE("trial " + std::to_string(trial) + "\n" + input);
        if (trial % 15 == 0) {
            FloorModel copy = model;
            TempDataContext nowhere{"/nonexistent/fd9", ""};
            const CalculationOutcome outcome = Calculate(copy, nowhere);
            EXPECT_FALSE(outcome.completed);
            EXPECT_FALSE(outcome.stopMessage.empty());
            EXPECT_FALSE(GivesVerdict(outcome));
        }
        TempDataContext context{DataDir, ""};
        const CalculationOutcome outcome = Calculate(model, context);
        ASSERT_FALSE(outcome.nothingHappened);
        if (outcome.completed) {
            ++completed;
            EXPECT_TRUE(outcome.stopMessage.empty());
            EXPECT_TRUE(GivesVerdict(outcome)) << outcome.messages.value_or("(no messages)");
            for (int i = 0; i < ResultLabelCount; ++i) {
                const auto& text = outcome.labels[i];
                if (!text || static_cast<ResultLabel>(i) == ResultLabel::FailureMode)
                    continue;
                EXPECT_TRUE(ShowsFiniteNumber(*text))
                    << ResultLabelName(static_cast<ResultLabel>(i)) << " shows \"" << *text << '"';
            }
            ExpectOutputsAgreeWithTheCapacities(model, outcome);
            needsNoTopSteel += outcome.endSpans.has_value() && model.NegMomentCapacity == 0 &&
                               model.ReqNegMomEndBay == 0 && model.ReqNegMomIntBay == 0;
        } else {
            ++stopped;
            EXPECT_FALSE(outcome.stopMessage.empty());
            ASSERT_FALSE(outcome.boxes.empty());
            EXPECT_TRUE(outcome.boxes.back().exclamation);
            EXPECT_FALSE(GivesVerdict(outcome)) << *outcome.messages;
        }
    }
    // Both roads must be taken, or the test proves nothing about one of them.
    EXPECT_GT(completed, 20);
    EXPECT_GT(stopped, 0);
    EXPECT_GT(needsNoTopSteel, 0);
    EXPECT_EQ(reliability::OpenFileCount(), openBefore);
}

}  // namespace
}  // namespace fd9
