#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "TextFixtures.h"
#include "files/ResultsReport.h"

namespace fd9 {
namespace {

using fixtures::Golden;
using M = FloorModel;
using enum FloorType;
using enum SupportCondition;
using enum ConcreteType;

// One steel group's results in the order the report lists them.
void SetGroup(FloorModel& m, bool negative, const std::array<float, 9>& values) {
    static float M::*const fields[2][9] = {
        {&M::PosSteelArea, &M::PosEffectiveCover, &M::PosCentroid, &M::PosSteelTemp,
         &M::PosConcTemp, &M::PosReducedDepth, &M::PosReducedWidth, &M::PosReducedSteelStrength,
         &M::PosReducedConcStrength},
        {&M::NegSteelArea, &M::NegEffectiveCover, &M::NegCentroid, &M::NegSteelTemp,
         &M::NegConcTemp, &M::NegReducedDepth, &M::NegReducedWidth, &M::NegReducedSteelStrength,
         &M::NegReducedConcStrength}};
    for (int i = 0; i < 9; ++i) {
        m.*fields[negative][i] = values[i];
    }
}

// A slab is reported 1000 wide whatever SectionWidth holds; the third bar row is stale beyond
// the count; no negative capacity is written for a simply supported member.
FloorModel SimplySupportedSlab() {
    FloorModel m;
    m.PosSteelCount = 2;
    m.PosSteel = {{{100, 125, 12, 25}, {250.5f, 125, 12, 24.75f}, {9, 9, 9, 9}}};
    m.FRRequired = 60;
    m.SectionWidth = 731;
    m.SectionDepth = 150;
    m.PosSteelStrength = 300;
    m.ConcreteStrength = 25;
    SetGroup(m, false, {226.19467f, 24.8f, 25, 412.46f, 350, 125, 1000, 247.04f, 25});
    m.DeadLoad = 6;
    m.LiveLoad = 16;
    m.DeadLoadFactor = 1;
    m.LiveLoadFactor = 0.4f;
    m.Span = 4.5f;
    m.PosMomentCapacity = 25.678f;
    m.AppliedMoment = 19.22f;
    m.NegMomentCapacity = -5;
    return m;
}

// SectionWidth is a rib width left by the calculation, FRRequired a rating a non-standard fire
// does not use, PosMomentCapacity no concern of a continuous member: none is reported. The stored
// floor type code is stale: the report follows the selection.
FloorModel ContinuousDoubleTeeNonStandard() {
    FloorModel m;
    m.Selected = {DoubleTee, DesignFire::NonStandard, Continuous, SteelType::PrestressingStrand};
    m.Selected.ConcreteType = Dacite;
    m.FloorTypeCode = 1;
    m.SupportCondition = 1;
    m.ConcreteType = 3;
    m.PosSteelType = 1;
    m.PosSteelCount = 2;
    m.PosSteel = {{{600, 430, 12.7f, 50}, {1800, 430, 12.7f, 50}}};
    m.NegSteelCount = 3;
    m.NegSteel = {{{300, 30, 16, 30}, {1200, 30, 16, 30}, {2100, 30.5f, 16, 30.5f}}};
    m.FRRequired = 60;
    m.FireLoad = 74;
    m.ConcreteStrength = 40;
    m.OverallWidth = 2400;
    m.OverallDepth = 480;
    m.RibDepth = 350;
    m.RibWidthTop = 175;
    m.RibWidthBot = 125;
    m.SectionWidth = 152.3f;
    m.PosSteelStrength = 1770;
    SetGroup(m, false, {253.35f, 50, 50, 521.3f, 350, 430, 2400, 1062, 40});
    m.NegSteelStrength = 430;
    SetGroup(m, true, {603.1858f, 30.17f, 30.17f, 180.04f, 642.5f, 402.1f, 250, 430, 31.96f});
    m.DeadLoad = 10.5f;
    m.LiveLoad = 7.25f;
    m.DeadLoadFactor = 1;
    m.LiveLoadFactor = 0.6f;
    m.Span = 9.6f;
    m.OpeningFactor = 0.08f;
    m.ReqNegMomEndBay = 85.432f;
    m.ReqNegMomIntBay = 61.07f;
    m.NegMomentCapacity = 70.001f;
    m.PosMomentCapacity = 1;
    m.AppliedMoment = 1000;
    m.NegSteelLengthEndBay = 2.4567f;
    m.NegSteelLengthIntBay = 0.85f;
    return m;
}

std::vector<std::string> Texts(const FloorModel& m, ReportTarget target = ReportTarget::TextFile) {
    std::vector<std::string> texts;
    for (const ReportLine& line : ReportLines(m, "6-December-2026", target)) {
        texts.push_back(ReportLineText(line));
    }
    return texts;
}

TEST(ResultsReport, WorkedExamplesMatchTheirGoldenFiles) {
    EXPECT_EQ(ResultsFileText(SimplySupportedSlab(), ReportDate(2026, 12, 6)),
              Golden("slab_simply_supported.txt"));
    EXPECT_EQ(ResultsFileText(ContinuousDoubleTeeNonStandard(), ReportDate(2026, 12, 6)),
              Golden("double_tee_continuous_nonstandard.txt"));
}

TEST(ResultsReport, VerdictsCountEqualAsAchievedAndNaNAsNot) {
    const std::string standard = "STABILITY OF  60 MINUTES HAS ";
    const std::string other = "STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS ";
    const struct {
        DesignFire fire;
        float capacity;
        std::string verdict;
    } cases[] = {
        {DesignFire::Standard, 19.22f, standard + "BEEN ACHIEVED"},
        {DesignFire::Standard, std::nextafter(19.22f, 0.0f), standard + "NOT BEEN ACHIEVED"},
        {DesignFire::Standard, std::nanf(""), standard + "NOT BEEN ACHIEVED"},
        {DesignFire::NonStandard, std::nanf(""), other + "NOT BEEN ACHIEVED"},
        {DesignFire::NonStandard, 100, other + "BEEN ACHIEVED"},
    };
    for (const auto& c : cases) {
        FloorModel m = SimplySupportedSlab();
        m.Selected.DesignFire = c.fire;
        m.PosMomentCapacity = c.capacity;
        EXPECT_EQ(Texts(m).back(), c.verdict);
    }
    FloorModel m = ContinuousDoubleTeeNonStandard();
    m.Selected.DesignFire = DesignFire::Standard;
    m.FRRequired = 120;
    m.NegMomentCapacity = m.ReqNegMomEndBay;
    const std::vector<std::string> lines = Texts(m);
    EXPECT_EQ(lines[lines.size() - 5],
              "FOR END SPANS, STABILITY OF  120 MINUTES HAS BEEN ACHIEVED");
    EXPECT_EQ(lines[lines.size() - 4],
              "FOR INTERMEDIATE SPANS, STABILITY OF  120 MINUTES HAS BEEN ACHIEVED");
}

// The calculation reads the selections, so the report does too, never a stale stored code.
TEST(ResultsReport, FloorSupportAndConcreteLinesFollowTheSelections) {
    const struct {
        FloorType type;
        SupportCondition support;
        ConcreteType concrete;
        const char* floor;
        const char* supports;
        const char* concreteLine;
    } cases[] = {
        {Beam, SimplySupported, NormalWeight, "BEAM", "Beam is simply-supported", "normal-weight"},
        {Beam, Continuous, LightWeight, "BEAM", "Beam is continuous over supports", "light-weight"},
        {TeeBeam, SimplySupported, Pumice, "TEE-BEAM", "Tee-beam is simply-supported",
         "pumice (NZS 3101 Type C)"},
        {Slab, Continuous, AlluvialQuartz, "SLAB", "Slab is continuous over supports",
         "alluvial quartz (NZS 3101 Type A)"}};
    for (const auto& c : cases) {
        FloorModel m = SimplySupportedSlab();
        m.Selected.FloorType = c.type;
        m.Selected.SupportCondition = c.support;
        m.Selected.ConcreteType = c.concrete;
        m.SupportCondition = c.support == Continuous ? 0 : 1;
        m.ConcreteType = 9;
        const std::vector<std::string> lines = Texts(m);
        EXPECT_EQ(lines[4], std::string("The floor type is ") + c.floor);
        EXPECT_EQ(lines[5], c.supports);
        EXPECT_EQ(lines[6], std::string("Concrete Type is ") + c.concreteLine);
    }
}

// CALCULATE works the negative group of a continuous member only: for a simply supported one
// its fields hold what an earlier run or the file left (here a centroid NAN), never shown.
TEST(ResultsReport, BeamSectionAndPrestressedNegativeSteelNotCalculated) {
    FloorModel m = SimplySupportedSlab();
    m.Selected.FloorType = Beam;
    m.SectionWidth = 300;
    m.SectionDepth = 500;
    m.NegSteelCount = 1;
    m.NegSteel[0] = {150, 40, 16, 32};
    m.NegSteelStrength = 430;
    m.NegCentroid = std::nanf("");
    m.NegSteelTemp = 321;
    m.Selected.NegSteelType = SteelType::PrestressingStrand;
    m.PosSteelCount = 0;
    const std::vector<std::string> lines = Texts(m);
    EXPECT_EQ(std::vector(lines.begin() + 7, lines.begin() + 22),
              (std::vector<std::string>{
                  "Concrete Strength (MPa)      25 ", "Beam Width (mm)              300 ",
                  "Beam Depth (mm)              500 ", "", "NEGATIVE MOMENT STEEL",
                  "Steel Type is Prestressing", "Steel Strength (MPa)         430 ", "",
                  "x-coord (mm)  ycoord (mm)   bar dia(mm)   conc cover(mm)",
                  " 150           40            16            32 ", "",
                  "Results are not calculated for a simply-supported member.", "", "LOADS",
                  "Dead Load (kN/m)            6.000"}));
}

// One bar makes a group: a member of a single strand still reports its positive steel.
TEST(ResultsReport, OneBarMakesAGroup) {
    FloorModel m = SimplySupportedSlab();
    m.PosSteelCount = 1;
    const std::vector<std::string> lines = Texts(m);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "POSITIVE MOMENT STEEL"), lines.end());
}

TEST(ResultsReport, PrinterVersionAndBoldGroups) {
    const FloorModel m = ContinuousDoubleTeeNonStandard();
    std::vector<std::string> saved = Texts(m);
    saved[1] = "ORVAN TECHNICAL RECOMMENDATION FD 9 (VER 2.6)";
    EXPECT_EQ(Texts(m, ReportTarget::Printer), saved);
    std::vector<std::string> bold;
    for (const ReportLine& line : ReportLines(m, "6-December-2026", ReportTarget::Printer)) {
        if (line.bold) {
            bold.push_back(ReportLineText(line));
        }
    }
    EXPECT_EQ(bold, (std::vector<std::string>{"Date is 6-December-2026", saved[1],
                                              "FLOOR SYSTEM DATA", "", "", "POSITIVE MOMENT STEEL",
                                              "", "NEGATIVE MOMENT STEEL", "", "LOADS", "",
                                              "DESIGN FIRE", "", "RESULTS"}));
}

TEST(ResultsReport, ZonesMoveOnByAtLeastOneBlankAndDatesHaveNoLeadingZero) {
    const ReportLine line{
        {{0, std::string(14, 'a')}, {1, "b"}, {2, std::string(13, 'c')}, {1, "d"}}, false};
    EXPECT_EQ(ReportLineText(line), std::string(14, 'a') + std::string(14, ' ') + "b" +
                                        std::string(13, ' ') + std::string(14, ' ') +
                                        std::string(13, 'c') + " d");
    EXPECT_EQ(ReportDate(2000, 9, 1), "1-September-2000");
    EXPECT_EQ(ReportDate(2026, 1, 31), "31-January-2026");
}

}  // namespace
}  // namespace fd9
