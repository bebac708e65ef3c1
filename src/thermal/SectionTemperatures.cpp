#include "thermal/SectionTemperatures.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <vector>

#include "model/ResultFormat.h"
#include "thermal/DataFolders.h"
#include "thermal/TempDataFiles.h"

namespace fd9 {
namespace {

// The positive compression zone of a slab or flange is at the unheated top.
constexpr float FlangeConcreteTemperature = 350.0f;

bool IsLightWeight(const FloorModel& model) {
    return model.Selected.ConcreteType == ConcreteType::LightWeight;
}

std::string BeamFile(const FloorModel& model) {
    return BeamFileName(model.Selected.DesignFire);
}

std::string SlabFile(const FloorModel& model) {
    return SlabFileName(model.Selected.DesignFire, model.Selected.ConcreteType);
}

std::string MemberFile(const FloorModel& model) {
    return model.Selected.FloorType == FloorType::Slab ? SlabFile(model) : BeamFile(model);
}

// An empty name keeps the file in use, as a concrete code without a slab file does.
void SetDataFile(TempDataContext& context, const std::string& name) {
    if (!name.empty() && !context.dataNotFoundIn.empty()) {
        throw TempDataError("The temperature data file \"" + name + "\" was not found in " +
                            FolderList(context.dataNotFoundIn) + ".");
    }
    if (!name.empty()) {
        context.TempDataFile = ResolveDataFilePath(name, context.programDir);
    }
}

void ClearPreviousValues(FloorModel& model) {
    model.RecordValue2 = 0;
    model.RecordValue3 = 0;
    model.RecordValue4 = 0;
}

std::int16_t SearchKey(const FloorModel& model) {
    return model.Selected.DesignFire == DesignFire::Standard ? model.FRRequired : model.FireLoad;
}

std::string Plain(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

float RibWidthForSearch(const FloorModel& model, double y) {
    const double width = RibWidthAt(model, y);
    if (!std::isfinite(width)) {
        throw CalculationError(
            "The rib width cannot be worked out because the depth of the ribs is zero. Enter "
            "the rib depth in the section dimensions.");
    }
    return static_cast<float>(width);
}

// A missing steel temperature or damaged depth must stop the run: keeping the value of an
// earlier calculation would give a verdict from temperatures of another member or fire.
[[noreturn]] void ThrowNotFound(const FloorModel& model, const TempDataContext& context,
                                const std::string& what) {
    const std::string file = std::filesystem::path(context.TempDataFile).filename().string();
    std::string message =
        "No " + what + " was found in the temperature data file \"" + file + "\" for ";
    const bool standard = model.Selected.DesignFire == DesignFire::Standard;
    std::vector<std::string> fireCase;
    if (standard) {
        fireCase.push_back("a fire resistance rating of " + std::to_string(model.FRRequired) +
                           " minutes");
    } else {
        fireCase.push_back("a fire load of " + std::to_string(model.FireLoad) + " kg/m2");
        fireCase.push_back("an opening factor of " + Plain(model.OpeningFactor));
    }
    if (LayoutOfFile(context.TempDataFile) != RecordLayout::NonStandardSlab) {
        fireCase.push_back("a width of " + Plain(model.SectionWidth) + " mm");
    }
    for (std::size_t i = 0; i < fireCase.size(); ++i) {
        if (i > 0) {
            message += i + 1 == fireCase.size() ? " and " : ", ";
        }
        message += fireCase[i];
    }
    message += ".";
    if (standard && model.FRRequired == 0) {
        message +=
            " No fire resistance rating has been chosen yet: choose one under Design "
            "Fire, Standard (ISO).";
    } else if (!standard && model.FireLoad == 0) {
        message +=
            " No fire load has been chosen yet: choose one under Design Fire, "
            "Non-Standard.";
    } else {
        message += " Check the design fire and the section dimensions.";
    }
    throw CalculationError(message);
}

float SteelTemperature(FloorModel& model, const TempDataContext& context, float cover,
                       const std::string& group) {
    const std::optional<float> found = FindTempAtDepth(
        model, context.TempDataFile, LayoutOfFile(context.TempDataFile), SearchKey(model),
        model.SectionWidth, model.OpeningFactor, cover, PreviousRecordRule::Either);
    if (!found) {
        ThrowNotFound(
            model, context,
            "temperature of the " + group + " steel at a cover of " + Plain(cover) + " mm");
    }
    return *found;
}

// The data hold this fire and width, but no depth of the section stays at or below 750 degC.
[[noreturn]] void ThrowDamagedThroughout(const FloorModel& model) {
    const std::string member = IsRibbed(model) ? "rib" : "beam";
    const bool standard = model.Selected.DesignFire == DesignFire::Standard;
    throw CalculationError(
        "The " + member + " is fire-damaged through its whole width of " +
        FormatResult(model.SectionWidth, "0.0") + " mm " +
        (standard ? "at " + std::to_string(model.FRRequired) + " minutes" : "in this fire") +
        ": no part of it stays below 750 degrees C, so the member cannot " +
        (standard ? "reach this fire resistance rating. Widen the " + member +
                        " or choose a lower rating."
                  : "withstand this fire. Widen the " + member + "."));
}

float DamagedDepth(FloorModel& model, const TempDataContext& context) {
    const RecordLayout layout = LayoutOfFile(context.TempDataFile);
    const std::optional<float> found =
        FindDepthAt750(model, context.TempDataFile, layout, SearchKey(model), model.SectionWidth,
                       model.OpeningFactor);
    if (!found) {
        // Only a beam or rib search has a width; slab data always fall through 750 degC.
        FloorModel scratch = model;
        if (layout != RecordLayout::NonStandardSlab &&
            model.Selected.FloorType != FloorType::Slab &&
            HasFireCaseAndWidth(scratch, context.TempDataFile, layout, SearchKey(model),
                                model.SectionWidth, model.OpeningFactor)) {
            ThrowDamagedThroughout(model);
        }
        ThrowNotFound(model, context, "depth at which the concrete reaches 750 degrees C");
    }
    return *found;
}

// Not found counts as 0 here: the zone then takes the mean of 0 and 750 degC.
float ConcreteTemperature(FloorModel& model, const TempDataContext& context, float depth) {
    const float found =
        FindTempAtDepth(model, context.TempDataFile, LayoutOfFile(context.TempDataFile),
                        SearchKey(model), model.SectionWidth, model.OpeningFactor, depth,
                        PreviousRecordRule::Both)
            .value_or(0.0f);
    float temperature = static_cast<float>((static_cast<double>(found) + 750.0) / 2.0);
    if (IsLightWeight(model)) {
        temperature = static_cast<float>(temperature * LightWeightFactor);
    }
    return temperature;
}

double LevelAboveDamage(const FloorModel& model) {
    return static_cast<double>(model.OverallDepth) - model.PosDamagedDepth -
           model.PosStressBlockDepth;
}

}  // namespace

double RibWidthAt(const FloorModel& model, double y) {
    return model.RibWidthBot +
           2.0 * (0.5 * (static_cast<double>(model.RibWidthTop) - model.RibWidthBot) *
                  (model.OverallDepth - y) / model.RibDepth);
}

void CalcSteelTemperatures(FloorModel& model, TempDataContext& context) {
    SetDataFile(context, MemberFile(model));
    ClearPreviousValues(model);
    if (IsRibbed(model)) {
        model.SectionWidth =
            RibWidthForSearch(model, static_cast<double>(model.OverallDepth) - model.PosCentroid);
    }
    model.PosSteelTemp =
        SteelTemperature(model, context, model.PosEffectiveCover, "positive-moment");
    const bool negativeSearched = IsContinuous(model);
    if (negativeSearched) {
        // The negative steel of a ribbed member lies in the flange, which heats like a slab.
        if (IsRibbed(model)) {
            SetDataFile(context, SlabFile(model));
        }
        model.NegSteelTemp =
            SteelTemperature(model, context, model.NegEffectiveCover, "negative-moment");
    }
    if (IsLightWeight(model)) {
        model.PosSteelTemp = static_cast<float>(model.PosSteelTemp * LightWeightFactor);
        // Scaling a value that was not looked up again would shrink it on every run.
        if (negativeSearched) {
            model.NegSteelTemp = static_cast<float>(model.NegSteelTemp * LightWeightFactor);
        }
    }
}

void CalcDamagedDepths(FloorModel& model, TempDataContext& context) {
    ClearPreviousValues(model);
    if (IsRibbed(model)) {
        SetDataFile(context, BeamFile(model));
        // The level of the previous calculation's compression zone: there is no other yet.
        model.SectionWidth = RibWidthForSearch(model, LevelAboveDamage(model));
    }
    const float depth = DamagedDepth(model, context);
    model.PosDamagedDepth = depth;
    model.NegDamagedDepth = depth;
    if (model.Selected.FloorType == FloorType::DoubleTee && IsContinuous(model)) {
        SetDataFile(context, SlabFile(model));
        model.NegDamagedDepth = DamagedDepth(model, context);
    }
}

void CalcConcreteTemperatures(FloorModel& model, TempDataContext& context) {
    if (model.Selected.FloorType == FloorType::Beam) {
        SetDataFile(context, BeamFile(model));
    }
    ClearPreviousValues(model);
    if (model.Selected.FloorType == FloorType::Beam) {
        const float halfWidth = static_cast<float>(0.5 * model.SectionWidth);
        model.PosConcTemp = ConcreteTemperature(model, context, halfWidth);
    } else {
        model.PosConcTemp = FlangeConcreteTemperature;
    }
    if (IsContinuous(model)) {
        if (IsRibbed(model)) {
            SetDataFile(context, BeamFile(model));
            model.SectionWidth = RibWidthForSearch(model, LevelAboveDamage(model));
        }
        model.NegConcTemp = ConcreteTemperature(model, context, model.NegConcTempDepth);
    }
}

}  // namespace fd9
