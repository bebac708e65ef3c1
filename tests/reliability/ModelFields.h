#pragma once

// Every stored field of the model by name, so reliability tests can tell exactly which field
// changed or went non-finite without relying on the struct's padding bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>

#include "model/FloorModel.h"

namespace fd9::reliability {

// clang-format off
#define FD9_FLOAT_FIELDS(X)                                                                      \
    X(OverallDepth) X(OverallWidth) X(RibDepth) X(RibWidthBot) X(RibWidthTop) X(SectionWidth)    \
    X(SectionDepth) X(PosSteelStrength) X(NegSteelStrength) X(ConcreteStrength)                  \
    X(LiveLoadFactor) X(DeadLoadFactor) X(Span) X(DeadLoad) X(LiveLoad) X(OpeningFactor)         \
    X(PosCentroid) X(NegCentroid) X(PosSteelArea) X(NegSteelArea) X(PosEffectiveCover)           \
    X(NegEffectiveCover) X(PosSteelTemp) X(NegSteelTemp) X(PosConcTemp) X(NegConcTemp)           \
    X(PosDamagedDepth) X(NegDamagedDepth) X(PosEffectiveDepth) X(NegEffectiveDepth)              \
    X(PosReducedDepth) X(NegReducedDepth) X(PosReducedWidth) X(NegReducedWidth)                  \
    X(PosReducedSteelStrength) X(NegReducedSteelStrength) X(PosReducedConcStrength)              \
    X(NegReducedConcStrength) X(PosStressBlockDepth) X(NegStressBlockDepth) X(PosMomentCapacity) \
    X(NegMomentCapacity) X(AppliedMoment) X(NegConcTempDepth) X(PrevNegConcTempDepth)            \
    X(ReqNegMomIntBay) X(ReqNegMomEndBay) X(NegSteelLengthEndBay) X(NegSteelLengthIntBay)        \
    X(RecordValue1) X(RecordValue2) X(RecordValue3) X(RecordValue4)
#define FD9_INT_FIELDS(X)                                                                        \
    X(PosSteelCount) X(NegSteelCount) X(PosSteelType) X(NegSteelType) X(ConcreteType)            \
    X(SupportCondition) X(FireTypeCode) X(FRRequired) X(FireLoad) X(FloorTypeCode)               \
    X(InsulationRating) X(WorkInt)
// clang-format on
#define FD9_FIELD(name) {#name, &FloorModel::name},
inline constexpr std::pair<const char*, float FloorModel::*> FloatFields[] = {
    FD9_FLOAT_FIELDS(FD9_FIELD)};
inline constexpr std::pair<const char*, std::int16_t FloorModel::*> IntFields[] = {
    FD9_INT_FIELDS(FD9_FIELD)};
#undef FD9_FIELD

// The number of members of an aggregate: the most initialisers it takes.
struct AnyField {
    template <typename T>
    operator T() const;
};
template <typename T, typename... Fields>
constexpr std::size_t FieldCount() {
    if constexpr (requires { T{Fields{}..., AnyField{}}; }) {
        return FieldCount<T, Fields..., AnyField>();
    } else {
        return sizeof...(Fields);
    }
}
// Every field is named above, besides the two steel tables and the selections: a new field of
// FloorModel must be added there, or Describe would not see it change.
static_assert(FieldCount<FloorModel>() == std::size(FloatFields) + std::size(IntFields) + 3);

// One line per field, in %a so equal text means equal bits (but every NaN alike).
inline std::string Describe(const FloorModel& m) {
    std::ostringstream out;
    char buffer[64];
    for (const auto& [name, member] : FloatFields) {
        std::snprintf(buffer, sizeof buffer, "%a", static_cast<double>(m.*member));
        out << name << '=' << buffer << '\n';
    }
    for (const auto& [name, member] : IntFields) {
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
    for (const auto& [name, member] : FloatFields) {
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
