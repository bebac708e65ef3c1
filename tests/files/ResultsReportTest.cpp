#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "files/ResultsReport.h"

namespace fd9 {
namespace {

std::string Golden(const char* name) {
    std::ifstream in(std::string(FD9_TEST_SOURCE_DIR) + "/files/golden/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

FloorModel SimplySupportedSlab() {
    FloorModel m;
    m.Selected.FloorType = FloorType::Slab;
    m.Selected.DesignFire = DesignFire::Standard;
    m.SupportCondition = 0;
    m.ConcreteType = 2;
    m.ConcreteStrength = 25;
    m.SectionWidth = 731;  // the report says 1000 whatever this holds
    m.SectionDepth = 150;
    m.PosSteelType = 0;
    m.PosSteelStrength = 300;
    m.PosSteelCount = 2;
    m.PosSteel[0] = {100, 125, 12, 25};
    m.PosSteel[1] = {250.5f, 125, 12, 24.75f};
    m.PosSteel[2] = {9, 9, 9, 9};  // stale row beyond the count
    m.NegSteelCount = 0;
    m.PosSteelArea = 226.19467f;
    m.PosEffectiveCover = 24.8f;
    m.PosCentroid = 25;
    m.PosSteelTemp = 412.46f;
    m.PosConcTemp = 350;
    m.PosReducedDepth = 125;
    m.PosReducedWidth = 1000;
    m.PosReducedSteelStrength = 247.04f;
    m.PosReducedConcStrength = 25;
    m.DeadLoad = 6;
    m.LiveLoad = 16;
    m.DeadLoadFactor = 1;
    m.LiveLoadFactor = 0.4f;
    m.Span = 4.5f;
    m.FRRequired = 60;
    m.PosMomentCapacity = 25.678f;
    m.AppliedMoment = 19.22f;
    m.NegMomentCapacity = -5;  // not written for a simply supported member
    return m;
}

FloorModel ContinuousDoubleTeeNonStandard() {
    FloorModel m;
    m.Selected.FloorType = FloorType::DoubleTee;
    m.Selected.DesignFire = DesignFire::NonStandard;
    m.FloorTypeCode = 1;  // stale stored code: the report follows the check mark
    m.SupportCondition = 1;
    m.ConcreteType = 3;
    m.Selected.SupportCondition = SupportCondition::Continuous;
    m.Selected.ConcreteType = ConcreteType::Dacite;
    m.Selected.PosSteelType = SteelType::PrestressingStrand;
    m.ConcreteStrength = 40;
    m.OverallWidth = 2400;
    m.OverallDepth = 480;
    m.RibDepth = 350;
    m.RibWidthTop = 175;
    m.RibWidthBot = 125;
    m.SectionWidth = 152.3f;  // a rib width left by the calculation; not reported
    m.PosSteelType = 1;
    m.PosSteelStrength = 1770;
    m.PosSteelCount = 2;
    m.PosSteel[0] = {600, 430, 12.7f, 50};
    m.PosSteel[1] = {1800, 430, 12.7f, 50};
    m.PosSteelArea = 253.35f;
    m.PosEffectiveCover = 50;
    m.PosCentroid = 50;
    m.PosSteelTemp = 521.3f;
    m.PosConcTemp = 350;
    m.PosReducedDepth = 430;
    m.PosReducedWidth = 2400;
    m.PosReducedSteelStrength = 1062;
    m.PosReducedConcStrength = 40;
    m.NegSteelType = 0;
    m.NegSteelStrength = 430;
    m.NegSteelCount = 3;
    m.NegSteel[0] = {300, 30, 16, 30};
    m.NegSteel[1] = {1200, 30, 16, 30};
    m.NegSteel[2] = {2100, 30.5f, 16, 30.5f};
    m.NegSteelArea = 603.1858f;
    m.NegEffectiveCover = 30.17f;
    m.NegCentroid = 30.17f;
    m.NegSteelTemp = 180.04f;
    m.NegConcTemp = 642.5f;
    m.NegReducedDepth = 402.1f;
    m.NegReducedWidth = 250;
    m.NegReducedSteelStrength = 430;
    m.NegReducedConcStrength = 31.96f;
    m.DeadLoad = 10.5f;
    m.LiveLoad = 7.25f;
    m.DeadLoadFactor = 1;
    m.LiveLoadFactor = 0.6f;
    m.Span = 9.6f;
    m.FRRequired = 60;  // not reported under a non-standard fire
    m.FireLoad = 74;
    m.OpeningFactor = 0.08f;
    m.ReqNegMomEndBay = 85.432f;
    m.ReqNegMomIntBay = 61.07f;
    m.NegMomentCapacity = 70.001f;
    m.PosMomentCapacity = 1;  // not written for a continuous member
    m.AppliedMoment = 1000;
    m.NegSteelLengthEndBay = 2.4567f;
    m.NegSteelLengthIntBay = 0.85f;
    return m;
}

TEST(ResultsReport, SimplySupportedSlabMatchesItsGoldenFile) {
    EXPECT_EQ(ResultsFileText(SimplySupportedSlab(), ReportDate(2026, 12, 6)),
              Golden("slab_simply_supported.txt"));
}

TEST(ResultsReport, ContinuousDoubleTeeUnderANonStandardFireMatchesItsGoldenFile) {
    EXPECT_EQ(ResultsFileText(ContinuousDoubleTeeNonStandard(), ReportDate(2026, 12, 6)),
              Golden("double_tee_continuous_nonstandard.txt"));
}

std::string LastLine(const FloorModel& m) {
    return ReportLineText(ReportLines(m, "1-May-2000", ReportTarget::TextFile).back());
}

TEST(ResultsReport, VerdictsCountEqualAsAchievedAndNaNAsNot) {
    FloorModel m = SimplySupportedSlab();
    m.PosMomentCapacity = m.AppliedMoment;
    EXPECT_EQ(LastLine(m), "STABILITY OF  60 MINUTES HAS BEEN ACHIEVED");
    m.PosMomentCapacity = std::nextafter(m.AppliedMoment, 0.0f);
    EXPECT_EQ(LastLine(m), "STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED");
    m.PosMomentCapacity = std::nanf("");
    EXPECT_EQ(LastLine(m), "STABILITY OF  60 MINUTES HAS NOT BEEN ACHIEVED");
    m.Selected.DesignFire = DesignFire::NonStandard;
    EXPECT_EQ(LastLine(m), "STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS NOT BEEN ACHIEVED");
    m.PosMomentCapacity = 100;
    EXPECT_EQ(LastLine(m), "STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS BEEN ACHIEVED");

    FloorModel c = ContinuousDoubleTeeNonStandard();
    c.Selected.DesignFire = DesignFire::Standard;
    c.FRRequired = 120;
    c.NegMomentCapacity = c.ReqNegMomEndBay;
    const std::vector<ReportLine> lines = ReportLines(c, "", ReportTarget::TextFile);
    EXPECT_EQ(ReportLineText(lines[lines.size() - 5]),
              "FOR END SPANS, STABILITY OF  120 MINUTES HAS BEEN ACHIEVED");
    EXPECT_EQ(ReportLineText(lines[lines.size() - 4]),
              "FOR INTERMEDIATE SPANS, STABILITY OF  120 MINUTES HAS BEEN ACHIEVED");
}

TEST(ResultsReport, FloorAndSupportLinesFollowTheSelections) {
    const struct {
        FloorType type;
        std::int16_t support;
        const char* floorLine;
        const char* supportLine;
    } cases[] = {
        {FloorType::Beam, 0, "The floor type is BEAM", "Beam is simply-supported"},
        {FloorType::Beam, 1, "The floor type is BEAM", "Beam is continuous over supports"},
        {FloorType::TeeBeam, 0, "The floor type is TEE-BEAM", "Tee-beam is simply-supported"},
        {FloorType::TeeBeam, 1, "The floor type is TEE-BEAM",
         "Tee-beam is continuous over supports"},
        {FloorType::Slab, 1, "The floor type is SLAB", "Slab is continuous over supports"},
        {FloorType::DoubleTee, 0, "The floor type is DOUBLE-TEE", "Double-tee is simply-supported"},
    };
    for (const auto& c : cases) {
        FloorModel m = SimplySupportedSlab();
        m.Selected.FloorType = c.type;
        // The calculation reads the selection, so the report does too, not a stale code.
        m.Selected.SupportCondition =
            c.support == 1 ? SupportCondition::Continuous : SupportCondition::SimplySupported;
        m.SupportCondition = static_cast<std::int16_t>(1 - c.support);
        const auto lines = ReportLines(m, "", ReportTarget::TextFile);
        EXPECT_EQ(ReportLineText(lines[4]), c.floorLine);
        EXPECT_EQ(ReportLineText(lines[5]), c.supportLine);
    }
}

TEST(ResultsReport, BeamSectionConcreteCodesAndPrestressedNegativeSteel) {
    FloorModel m = SimplySupportedSlab();
    m.Selected.FloorType = FloorType::Beam;
    m.SectionWidth = 300;
    m.SectionDepth = 500;
    m.ConcreteType = 9;  // a stale code; the report names the selection
    m.NegSteelCount = 1;
    m.NegSteelType = 0;
    m.Selected.NegSteelType = SteelType::PrestressingStrand;
    m.PosSteelCount = 0;
    const auto lines = ReportLines(m, "", ReportTarget::TextFile);
    EXPECT_EQ(ReportLineText(lines[6]), "Concrete Type is alluvial quartz (NZS 3101 Type A)");
    EXPECT_EQ(ReportLineText(lines[7]), "Concrete Strength (MPa)      25 ");
    EXPECT_EQ(ReportLineText(lines[8]), "Beam Width (mm)              300 ");
    EXPECT_EQ(ReportLineText(lines[9]), "Beam Depth (mm)              500 ");
    EXPECT_EQ(ReportLineText(lines[10]), "");
    EXPECT_EQ(ReportLineText(lines[11]), "NEGATIVE MOMENT STEEL");
    EXPECT_EQ(ReportLineText(lines[12]), "Steel Type is Prestressing");

    const struct {
        std::int16_t code;
        const char* line;
    } concretes[] = {{0, "Concrete Type is normal-weight"},
                     {1, "Concrete Type is light-weight"},
                     {4, "Concrete Type is pumice (NZS 3101 Type C)"}};
    for (const auto& c : concretes) {
        m.Selected.ConcreteType = static_cast<ConcreteType>(c.code);
        EXPECT_EQ(ReportLineText(ReportLines(m, "", ReportTarget::TextFile)[6]), c.line);
    }
}

TEST(ResultsReport, PrinterVersionAndBoldGroups) {
    for (const FloorModel& m : {SimplySupportedSlab(), ContinuousDoubleTeeNonStandard()}) {
        const auto printed = ReportLines(m, "6-December-2026", ReportTarget::Printer);
        const auto saved = ReportLines(m, "6-December-2026", ReportTarget::TextFile);
        ASSERT_EQ(printed.size(), saved.size());
        EXPECT_EQ(ReportLineText(printed[1]), "ORVAN TECHNICAL RECOMMENDATION FD 9 (VER 2.6)");
        std::vector<std::string> bold;
        for (std::size_t i = 0; i < printed.size(); ++i) {
            if (i != 1) {
                EXPECT_EQ(ReportLineText(printed[i]), ReportLineText(saved[i]));
            }
            if (printed[i].bold) {
                bold.push_back(ReportLineText(printed[i]));
            }
        }
        std::vector<std::string> expected = {"Date is 6-December-2026",
                                             "ORVAN TECHNICAL RECOMMENDATION FD 9 (VER 2.6)",
                                             "FLOOR SYSTEM DATA",
                                             "",
                                             "",
                                             "POSITIVE MOMENT STEEL"};
        if (m.NegSteelCount > 0) {
            expected.insert(expected.end(), {"", "NEGATIVE MOMENT STEEL"});
        }
        expected.insert(expected.end(), {"", "LOADS", "", "DESIGN FIRE", "", "RESULTS"});
        EXPECT_EQ(bold, expected);
    }
}

TEST(ResultsReport, ZonesMoveOnByAtLeastOneBlank) {
    const ReportLine line{
        {{0, std::string(14, 'a')}, {1, "b"}, {2, std::string(13, 'c')}, {1, "d"}}, false};
    EXPECT_EQ(ReportLineText(line), std::string(14, 'a') + std::string(14, ' ') + "b" +
                                        std::string(13, ' ') + std::string(14, ' ') +
                                        std::string(13, 'c') + " d");
}

TEST(ResultsReport, DateHasNoLeadingZero) {
    EXPECT_EQ(ReportDate(2000, 9, 1), "1-September-2000");
    EXPECT_EQ(ReportDate(2026, 1, 31), "31-January-2026");
}

}  // namespace
}  // namespace fd9
