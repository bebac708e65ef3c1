#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace fd9 {

enum class FloorType { Beam, Slab, DoubleTee, TeeBeam };
enum class ConcreteType : std::int16_t {
    NormalWeight = 0,
    LightWeight = 1,
    AlluvialQuartz = 2,
    Dacite = 3,
    Pumice = 4
};
enum class SteelType : std::int16_t { ReinforcingBar = 0, PrestressingStrand = 1 };
enum class SupportCondition : std::int16_t { SimplySupported = 0, Continuous = 1 };
enum class DesignFire : std::int16_t { Standard = 0, NonStandard = 1 };
enum class ExposureClass { A1, A2, B1, B2, C };

// Model-file code of a floor type: TeeBeam is 2 and DoubleTee 3, not menu order.
std::int16_t FloorTypeToCode(FloorType type);
// Unknown codes give Slab, the floor type of a new model.
FloorType FloorTypeFromCode(std::int16_t code);
// Any non-zero stored code reads as a strand.
inline SteelType SteelTypeFromCode(std::int16_t code) {
    return code == 0 ? SteelType::ReinforcingBar : SteelType::PrestressingStrand;
}

// Columns of a steel table row. Units: mm.
enum SteelColumn { SteelX = 0, SteelY = 1, SteelDiameter = 2, SteelCover = 3 };
inline constexpr int MaxSteelRows = 30;
using SteelTable = std::array<std::array<float, 4>, MaxSteelRows>;
// The rows of a table a count covers; a damaged count never reaches past the table.
inline int RowsInUse(int count) {
    return std::clamp<int>(count, 0, MaxSteelRows);
}

// What the user interface shows as chosen right now. The calculation and the choice of data
// files read these; the model file reads the int16 stored codes of FloorModel instead. The
// two never convert implicitly into each other.
struct CurrentSelection {
    fd9::FloorType FloorType = fd9::FloorType::Slab;
    fd9::DesignFire DesignFire = fd9::DesignFire::Standard;
    fd9::SupportCondition SupportCondition = fd9::SupportCondition::SimplySupported;
    fd9::SteelType PosSteelType = fd9::SteelType::ReinforcingBar;
    fd9::SteelType NegSteelType = fd9::SteelType::ReinforcingBar;
    fd9::ConcreteType ConcreteType = fd9::ConcreteType::AlluvialQuartz;
    ExposureClass Exposure = ExposureClass::A1;
};

// The one design record. Lengths mm, strengths MPa, loads kN/m, span m, moments kNm,
// temperatures degC, ratings minutes. Results are float so every stored value is rounded to
// single precision even where it was computed in double.
struct FloorModel {
    // Section geometry
    float OverallDepth = 0;
    float OverallWidth = 0;
    float RibDepth = 0;
    float RibWidthBot = 0;
    float RibWidthTop = 0;
    float SectionWidth = 0;
    float SectionDepth = 0;

    // Reinforcement; rows beyond the count are stale and never read
    SteelTable PosSteel{};
    SteelTable NegSteel{};
    std::int16_t PosSteelCount = 0;
    std::int16_t NegSteelCount = 0;

    // Materials (stored codes)
    std::int16_t PosSteelType = 0;
    std::int16_t NegSteelType = 0;
    // A new model is of the concrete a new concrete dialog shows, so that the stored code and
    // the selection the calculation reads agree from the start.
    std::int16_t ConcreteType = static_cast<std::int16_t>(fd9::ConcreteType::AlluvialQuartz);
    float PosSteelStrength = 0;
    float NegSteelStrength = 0;
    float ConcreteStrength = 0;

    // Loads, support and fire
    std::int16_t SupportCondition = 0;  // stored code
    float LiveLoadFactor = 0;
    float DeadLoadFactor = 0;
    float Span = 0;
    float DeadLoad = 0;
    float LiveLoad = 0;
    std::int16_t FireTypeCode = 0;  // stored code, written before each save
    std::int16_t FRRequired = 0;
    std::int16_t FireLoad = 0;
    float OpeningFactor = 0;
    std::int16_t FloorTypeCode = 0;  // stored code, written before each save

    // Results of CALCULATE
    float PosCentroid = 0;
    float NegCentroid = 0;
    float PosSteelArea = 0;
    float NegSteelArea = 0;
    float PosEffectiveCover = 0;
    float NegEffectiveCover = 0;
    float PosSteelTemp = 0;
    float NegSteelTemp = 0;
    float PosConcTemp = 0;
    float NegConcTemp = 0;
    float PosDamagedDepth = 0;
    float NegDamagedDepth = 0;
    float PosEffectiveDepth = 0;
    float NegEffectiveDepth = 0;
    float PosReducedDepth = 0;
    float NegReducedDepth = 0;
    float PosReducedWidth = 0;
    float NegReducedWidth = 0;
    float PosReducedSteelStrength = 0;
    float NegReducedSteelStrength = 0;
    float PosReducedConcStrength = 0;
    float NegReducedConcStrength = 0;
    float PosStressBlockDepth = 0;
    float NegStressBlockDepth = 0;
    float PosMomentCapacity = 0;
    float NegMomentCapacity = 0;
    float AppliedMoment = 0;
    float NegConcTempDepth = 0;
    float PrevNegConcTempDepth = 0;
    float ReqNegMomIntBay = 0;
    float ReqNegMomEndBay = 0;
    float NegSteelLengthEndBay = 0;
    float NegSteelLengthIntBay = 0;
    std::int16_t InsulationRating = 0;

    // Working storage of the temperature-file searches; carries over between calls
    std::int16_t WorkInt = 0;
    float RecordValue1 = 0;
    float RecordValue2 = 0;
    float RecordValue3 = 0;
    float RecordValue4 = 0;

    CurrentSelection Selected;
};

// Both read the selection, as the calculation does. A ribbed member has a flange over its
// rib: a double-tee or a tee-beam.
inline bool IsRibbed(const FloorModel& model) {
    return model.Selected.FloorType == FloorType::DoubleTee ||
           model.Selected.FloorType == FloorType::TeeBeam;
}
inline bool IsContinuous(const FloorModel& model) {
    return model.Selected.SupportCondition == SupportCondition::Continuous;
}

}  // namespace fd9
