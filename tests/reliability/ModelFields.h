#pragma once

// Every stored field of the model by name, so reliability tests can tell exactly which field
// changed or went non-finite without relying on the struct's padding bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/FloorModel.h"

namespace fd9::reliability {

#define FD9_FLOAT_FIELD(name) \
    { #name, &FloorModel::name }
inline const std::vector<std::pair<const char*, float FloorModel::*>>& FloatFields() {
    static const std::vector<std::pair<const char*, float FloorModel::*>> fields = {
        FD9_FLOAT_FIELD(OverallDepth),
        FD9_FLOAT_FIELD(OverallWidth),
        FD9_FLOAT_FIELD(RibDepth),
        FD9_FLOAT_FIELD(RibWidthBot),
        FD9_FLOAT_FIELD(RibWidthTop),
        FD9_FLOAT_FIELD(SectionWidth),
        FD9_FLOAT_FIELD(SectionDepth),
        FD9_FLOAT_FIELD(PosSteelStrength),
        FD9_FLOAT_FIELD(NegSteelStrength),
        FD9_FLOAT_FIELD(ConcreteStrength),
        FD9_FLOAT_FIELD(LiveLoadFactor),
        FD9_FLOAT_FIELD(DeadLoadFactor),
        FD9_FLOAT_FIELD(Span),
        FD9_FLOAT_FIELD(DeadLoad),
        FD9_FLOAT_FIELD(LiveLoad),
        FD9_FLOAT_FIELD(OpeningFactor),
        FD9_FLOAT_FIELD(PosCentroid),
        FD9_FLOAT_FIELD(NegCentroid),
        FD9_FLOAT_FIELD(PosSteelArea),
        FD9_FLOAT_FIELD(NegSteelArea),
        FD9_FLOAT_FIELD(PosEffectiveCover),
        FD9_FLOAT_FIELD(NegEffectiveCover),
        FD9_FLOAT_FIELD(PosSteelTemp),
        FD9_FLOAT_FIELD(NegSteelTemp),
        FD9_FLOAT_FIELD(PosConcTemp),
        FD9_FLOAT_FIELD(NegConcTemp),
        FD9_FLOAT_FIELD(PosDamagedDepth),
        FD9_FLOAT_FIELD(NegDamagedDepth),
        FD9_FLOAT_FIELD(PosEffectiveDepth),
        FD9_FLOAT_FIELD(NegEffectiveDepth),
        FD9_FLOAT_FIELD(PosReducedDepth),
        FD9_FLOAT_FIELD(NegReducedDepth),
        FD9_FLOAT_FIELD(PosReducedWidth),
        FD9_FLOAT_FIELD(NegReducedWidth),
        FD9_FLOAT_FIELD(PosReducedSteelStrength),
        FD9_FLOAT_FIELD(NegReducedSteelStrength),
        FD9_FLOAT_FIELD(PosReducedConcStrength),
        FD9_FLOAT_FIELD(NegReducedConcStrength),
        FD9_FLOAT_FIELD(PosStressBlockDepth),
        FD9_FLOAT_FIELD(NegStressBlockDepth),
        FD9_FLOAT_FIELD(PosMomentCapacity),
        FD9_FLOAT_FIELD(NegMomentCapacity),
        FD9_FLOAT_FIELD(AppliedMoment),
        FD9_FLOAT_FIELD(NegConcTempDepth),
        FD9_FLOAT_FIELD(PrevNegConcTempDepth),
        FD9_FLOAT_FIELD(ReqNegMomIntBay),
        FD9_FLOAT_FIELD(ReqNegMomEndBay),
        FD9_FLOAT_FIELD(NegSteelLengthEndBay),
        FD9_FLOAT_FIELD(NegSteelLengthIntBay),
        FD9_FLOAT_FIELD(RecordValue1),
        FD9_FLOAT_FIELD(RecordValue2),
        FD9_FLOAT_FIELD(RecordValue3),
        FD9_FLOAT_FIELD(RecordValue4),
    };
    return fields;
}
#undef FD9_FLOAT_FIELD

#define FD9_INT_FIELD(name) \
    { #name, &FloorModel::name }
inline const std::vector<std::pair<const char*, std::int16_t FloorModel::*>>& IntFields() {
    static const std::vector<std::pair<const char*, std::int16_t FloorModel::*>> fields = {
        FD9_INT_FIELD(PosSteelCount),    FD9_INT_FIELD(NegSteelCount),
        FD9_INT_FIELD(PosSteelType),     FD9_INT_FIELD(NegSteelType),
        FD9_INT_FIELD(ConcreteType),     FD9_INT_FIELD(SupportCondition),
        FD9_INT_FIELD(FireTypeCode),     FD9_INT_FIELD(FRRequired),
        FD9_INT_FIELD(FireLoad),         FD9_INT_FIELD(FloorTypeCode),
        FD9_INT_FIELD(InsulationRating), FD9_INT_FIELD(WorkInt),
    };
    return fields;
}
#undef FD9_INT_FIELD

// One line per field, in %a so equal text means equal bits (but every NaN alike).
inline std::string Describe(const FloorModel& m) {
    std::ostringstream out;
    char buffer[64];
    for (const auto& [name, member] : FloatFields()) {
        std::snprintf(buffer, sizeof buffer, "%a", static_cast<double>(m.*member));
        out << name << '=' << buffer << '\n';
    }
    for (const auto& [name, member] : IntFields()) {
        out << name << '=' << m.*member << '\n';
    }
    const std::pair<const char*, const SteelTable*> tables[] = {{"PosSteel", &m.PosSteel},
                                                                {"NegSteel", &m.NegSteel}};
    for (const auto& [name, table] : tables) {
        for (int row = 0; row < MaxSteelRows; ++row) {
            for (int col = 0; col < 4; ++col) {
                std::snprintf(buffer, sizeof buffer, "%a", static_cast<double>((*table)[row][col]));
                out << name << '[' << row << "][" << col << "]=" << buffer << '\n';
            }
        }
    }
    const CurrentSelection& s = m.Selected;
    out << "Selected=" << int(s.FloorType) << ',' << int(s.DesignFire) << ','
        << int(s.SupportCondition) << ',' << int(s.PosSteelType) << ',' << int(s.NegSteelType)
        << ',' << int(s.ConcreteType) << ',' << int(s.Exposure) << '\n';
    return out.str();
}

// The first field holding NaN or an infinity, or an empty text when every value is finite.
inline std::string FirstNonFinite(const FloorModel& m) {
    for (const auto& [name, member] : FloatFields()) {
        if (!std::isfinite(m.*member))
            return name;
    }
    for (int row = 0; row < MaxSteelRows; ++row) {
        for (int col = 0; col < 4; ++col) {
            if (!std::isfinite(m.PosSteel[row][col]))
                return "PosSteel[" + std::to_string(row) + "]";
            if (!std::isfinite(m.NegSteel[row][col]))
                return "NegSteel[" + std::to_string(row) + "]";
        }
    }
    return {};
}

// The lines of two descriptions that differ, for a readable failure message.
inline std::string Difference(const std::string& before, const std::string& after) {
    std::istringstream a(before), b(after);
    std::string la, lb, diff;
    while (std::getline(a, la) && std::getline(b, lb)) {
        if (la != lb)
            diff += la + " -> " + lb + "\n";
    }
    return diff;
}

}  // namespace fd9::reliability
