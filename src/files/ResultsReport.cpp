#include "files/ResultsReport.h"

#include "Version.h"
#include "model/NumberText.h"
#include "model/ResultFormat.h"
#include "model/Verdicts.h"

namespace fd9 {

namespace {

class Report {
public:
    explicit Report(std::vector<ReportLine>& lines) : lines_(lines) {}

    Report& line(std::string text = {}) {
        lines_.push_back({{{0, std::move(text)}}, bold_});
        return *this;
    }
    // label, separators, value as the plain form with its trailing blank
    void value(const std::string& label, int zones, float number) {
        valueText(label, zones, NumberText(number) + " ");
    }
    void value(const std::string& label, int zones, long long number) {
        valueText(label, zones, NumberText(number) + " ");
    }
    void pattern(const std::string& label, int zones, float number, const char* format) {
        valueText(label, zones, FormatResult(number, format));
    }
    void pieces(std::vector<ReportPiece> pieces) { lines_.push_back({std::move(pieces), bold_}); }
    void bold(bool on) { bold_ = on; }

private:
    void valueText(const std::string& label, int zones, std::string text) {
        lines_.push_back({{{0, label}, {zones, std::move(text)}}, bold_});
    }
    std::vector<ReportLine>& lines_;
    bool bold_ = false;
};

// A number inside a sentence: the plain form without the trailing blank.
std::string Text(float value) {
    return NumberText(value);
}
std::string Text(std::int16_t value) {
    return NumberText(value);
}

const char* FloorName(FloorType type) {
    switch (type) {
        case FloorType::Beam:
            return "Beam";
        case FloorType::DoubleTee:
            return "Double-tee";
        case FloorType::TeeBeam:
            return "Tee-beam";
        case FloorType::Slab:
            break;
    }
    return "Slab";
}

std::string Capitals(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

const char* ConcreteLine(ConcreteType type) {
    switch (type) {
        case ConcreteType::NormalWeight:
            return "Concrete Type is normal-weight";
        case ConcreteType::LightWeight:
            return "Concrete Type is light-weight";
        case ConcreteType::AlluvialQuartz:
            return "Concrete Type is alluvial quartz (NZS 3101 Type A)";
        case ConcreteType::Dacite:
            return "Concrete Type is dacite (NZS 3101 Type B)";
        case ConcreteType::Pumice:
            return "Concrete Type is pumice (NZS 3101 Type C)";
    }
    return nullptr;
}

struct GroupResults {
    float area, cover, centroid, steelTemp, concTemp, depth, width, steelStrength, concStrength;
    const char* coverFormat;
};

// CALCULATE works the negative group only for a continuous member; otherwise its fields hold
// what an earlier run or the model file left, so the block says so instead of showing them.
void SteelBlock(Report& r, const char* heading, const char* typeLine, float strength,
                const SteelTable& table, int count, const GroupResults& g, bool calculated = true) {
    r.bold(true);
    r.line().line(heading);
    r.bold(false);
    r.line(typeLine);
    r.value("Steel Strength (MPa)", 1, strength);
    r.line();
    r.pieces({{0, "x-coord (mm)"}, {1, "ycoord (mm)"}, {1, "bar dia(mm)"}, {1, "conc cover(mm)"}});
    for (int row = 0; row < RowsInUse(count); ++row) {
        const auto& bar = table[row];
        r.pieces({{0, NumberText(bar[SteelX]) + " "},
                  {1, NumberText(bar[SteelY]) + " "},
                  {1, NumberText(bar[SteelDiameter]) + " "},
                  {1, NumberText(bar[SteelCover]) + " "}});
    }
    r.line();
    if (!calculated) {
        r.line("Results are not calculated for a simply-supported member.");
        return;
    }
    r.pattern("Total Steel Area (sq mm)", 2, g.area, "0.0");
    r.pattern("Effective Cover (mm)", 2, g.cover, g.coverFormat);
    r.pattern("Centroidal Axis (mm)", 2, g.centroid, g.coverFormat);
    r.pattern("Steel Temp (C)", 2, g.steelTemp, "0.0");
    r.pattern("Concrete Temp (C)", 2, g.concTemp, "0.0");
    r.pattern("Reduced Depth (mm)", 2, g.depth, "0.0");
    r.pattern("Reduced Width (mm)", 2, g.width, "0.0");
    r.pattern("Reduced Steel Strength (MPa)", 1, g.steelStrength, "0.0");
    r.pattern("Reduced Concrete Strength (MPa)", 1, g.concStrength, "0.0");
}

// NaN never counts as enough capacity.
bool Achieved(float capacity, float demand) {
    return capacity >= demand;
}

void FloorSystem(Report& r, const FloorModel& m, const std::string& date, ReportTarget target) {
    const FloorType floor = m.Selected.FloorType;
    const bool continuous = IsContinuous(m);
    r.bold(true);
    r.line("Date is " + date);
    // The saved file's title keeps its own fixed version; only the printed one follows the
    // program's.
    r.line(target == ReportTarget::Printer
               ? std::string("ORVAN TECHNICAL RECOMMENDATION FD 9 (VER ") + ProgramMajorMinor + ")"
               : "ORVAN TECHNICAL RECOMMENDATION FD 9 (VER 2.3)");
    r.line("FLOOR SYSTEM DATA").line();
    r.bold(false);
    r.line("The floor type is " + Capitals(FloorName(floor)));
    r.line(std::string(FloorName(floor)) +
           (continuous ? " is continuous over supports" : " is simply-supported"));
    if (const char* concrete = ConcreteLine(m.Selected.ConcreteType)) {
        r.line(concrete);
    }
    r.value("Concrete Strength (MPa)", 1, m.ConcreteStrength);
    switch (floor) {
        case FloorType::Beam:
            r.value("Beam Width (mm)", 1, m.SectionWidth);
            r.value("Beam Depth (mm)", 1, m.SectionDepth);
            break;
        case FloorType::Slab:
            r.value("Slab Width (mm)", 1, 1000LL);
            r.value("Slab Depth (mm)", 1, m.SectionDepth);
            break;
        case FloorType::DoubleTee:
        case FloorType::TeeBeam:
            r.value("Overall Section Width (mm)", 1, m.OverallWidth);
            r.value("Overall Section Depth (mm)", 1, m.OverallDepth);
            r.value("Depth of Ribs (mm)", 1, m.RibDepth);
            r.value("Width of Rib at top (mm)", 1, m.RibWidthTop);
            r.value("Width of Rib at bottom (mm)", 1, m.RibWidthBot);
            break;
    }
}

void SteelGroups(Report& r, const FloorModel& m) {
    if (m.PosSteelCount >= 1) {
        SteelBlock(r, "POSITIVE MOMENT STEEL",
                   m.Selected.PosSteelType == SteelType::PrestressingStrand
                       ? "Steel type is Prestressing; "
                       : "Steel Type is Reinforcing",
                   m.PosSteelStrength, m.PosSteel, m.PosSteelCount,
                   {m.PosSteelArea, m.PosEffectiveCover, m.PosCentroid, m.PosSteelTemp,
                    m.PosConcTemp, m.PosReducedDepth, m.PosReducedWidth, m.PosReducedSteelStrength,
                    m.PosReducedConcStrength, "0.0"});
    }
    if (m.NegSteelCount >= 1) {
        SteelBlock(r, "NEGATIVE MOMENT STEEL",
                   m.Selected.NegSteelType == SteelType::PrestressingStrand
                       ? "Steel Type is Prestressing"
                       : "Steel Type is Reinforcing",
                   m.NegSteelStrength, m.NegSteel, m.NegSteelCount,
                   {m.NegSteelArea, m.NegEffectiveCover, m.NegCentroid, m.NegSteelTemp,
                    m.NegConcTemp, m.NegReducedDepth, m.NegReducedWidth, m.NegReducedSteelStrength,
                    m.NegReducedConcStrength, "0.00"},
                   IsContinuous(m));
    }
    r.bold(true);
    r.line();
}

void LoadsAndFire(Report& r, const FloorModel& m) {
    r.line("LOADS");
    r.bold(false);
    r.pattern("Dead Load (kN/m)", 1, m.DeadLoad, "0.000");
    r.pattern("Live Load (kN/m)", 1, m.LiveLoad, "0.000");
    r.pattern("Dead Load Reduction Factor", 1, m.DeadLoadFactor, "0.00");
    r.pattern("Live Load Reduction Factor", 1, m.LiveLoadFactor, "0.00");
    r.pattern("Span (m)", 2, m.Span, "0.000");

    r.bold(true);
    r.line().line("DESIGN FIRE");
    r.bold(false);
    if (m.Selected.DesignFire == DesignFire::Standard) {
        r.line("The design fire is ISO 834.");
        r.line("The FRR required is " + Text(m.FRRequired) + " minutes.");
    } else {
        r.line("The design fire is non-standard.");
        r.line("The Fire Load Density (per floor area) is " + Text(m.FireLoad) + " kg/sqm.");
        r.line("The Opening Factor is " + Text(m.OpeningFactor) + " sqrt(m).");
    }
}

// What a capacity below 0 or a bay without a point of inflection means, as the message area says.
void Notes(Report& r, const FloorModel& m) {
    const std::vector<std::string> notes = ResultNotes(m);
    if (!notes.empty()) {
        r.line();
    }
    for (const std::string& note : notes) {
        r.line(note);
    }
}

void Results(Report& r, const FloorModel& m) {
    const bool standardFire = m.Selected.DesignFire == DesignFire::Standard;
    const auto verdict = [&](VerdictSpan span, float capacity, float demand) {
        r.line(StabilityVerdict(span, standardFire, m.FRRequired, Achieved(capacity, demand)));
    };
    r.bold(true);
    r.line().line("RESULTS");
    r.bold(false);
    if (m.Selected.SupportCondition != SupportCondition::Continuous) {
        r.pattern("Moment Capacity Available (kNm)", 1, m.PosMomentCapacity, "0.00");
        r.pattern("Moment Capacity Required (kNm)", 1, m.AppliedMoment, "0.00");
        r.line();
        verdict(VerdictSpan::Member, m.PosMomentCapacity, m.AppliedMoment);
        Notes(r, m);
        return;
    }
    r.pattern("Neg Moment Capacity Required for End Bays (kNm)", 1, m.ReqNegMomEndBay, "0.00");
    r.pattern("Neg Moment Capacity Required for Int Bays (kNm)", 1, m.ReqNegMomIntBay, "0.00");
    r.pattern("Neg Moment Capacity available (kNm)", 2, m.NegMomentCapacity, "0.00");
    r.line();
    verdict(VerdictSpan::EndSpans, m.NegMomentCapacity, m.ReqNegMomEndBay);
    verdict(VerdictSpan::IntermediateSpans, m.NegMomentCapacity, m.ReqNegMomIntBay);
    r.line();
    r.pattern("Req Length of Neg Moment Reinforcement for End Bay (m)", 1, m.NegSteelLengthEndBay,
              "####.00");
    r.pattern("Req Length of Neg Moment Reinforcement for Int Bay (m)", 1, m.NegSteelLengthIntBay,
              "####.00");
    Notes(r, m);
}

}  // namespace

std::string ReportDate(int year, int month, int day) {
    static const char* const Months[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    const char* name = month >= 1 && month <= 12 ? Months[month - 1] : "";
    return std::to_string(day) + "-" + name + "-" + std::to_string(year);
}

// Every choice is named as the calculation read it, never as a stored code that a dialog still
// open may not have confirmed yet: a report must not contradict its own results.
std::vector<ReportLine> ReportLines(const FloorModel& m, const std::string& date,
                                    ReportTarget target) {
    std::vector<ReportLine> lines;
    Report r(lines);
    FloorSystem(r, m, date, target);
    SteelGroups(r, m);
    LoadsAndFire(r, m);
    Results(r, m);
    return lines;
}

std::string ReportLineText(const ReportLine& line) {
    std::string text;
    for (const ReportPiece& piece : line.pieces) {
        for (int zone = 0; zone < piece.zonesBefore; ++zone) {
            text.append(ReportZoneWidth - text.size() % ReportZoneWidth, ' ');
        }
        text += piece.text;
    }
    return text;
}

std::string ResultsFileText(const FloorModel& model, const std::string& date) {
    std::string text;
    for (const ReportLine& line : ReportLines(model, date, ReportTarget::TextFile)) {
        text += ReportLineText(line);
        text += "\r\n";
    }
    return text;
}

}  // namespace fd9
