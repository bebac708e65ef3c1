#include "calc/Calculate.h"

#include <exception>

#include "calc/Continuity.h"
#include "calc/GroupProperties.h"
#include "calc/PreCalculationChecks.h"
#include "calc/StrengthAndCapacity.h"
#include "model/CalculationError.h"
#include "model/NumberText.h"
#include "model/ResultFormat.h"

namespace fd9 {

const char* ResultLabelName(ResultLabel label) {
    static const char* const names[ResultLabelCount] = {
        "lblEffectiveCover",   "lblSteelTemp",        "lblSteelArea",        "lblReducedDepth",
        "lblReducedWidth",     "lblConcTemp",         "lblAvailMomCapacity", "lblAppliedMom",
        "lblReqNegMomEndBay",  "lblReqNegMomIntBay",  "lblAvailNegMom",      "lblFailureMode",
        "lblInflectionEndBay", "lblInflectionIntBay",
    };
    return names[static_cast<int>(label)];
}

namespace {

const char* const AdviceText =
    "If the floor is continuous over its supports then you may like to try using negative moment "
    "reinforcement";
const char* const InsulationNotAchievedText =
    "INSULATION HAS NOT BEEN ACHIEVED - INCREASE SLAB THICKNESS.";
const char* const StoppedText = "The calculation has stopped and no verdict has been given.";
const char* const InsulationNonStandardText =
    "INSULATION HAS NOT BEEN CONSIDERED FOR NON-STANDARD FIRE.";
const char* const LoadsNotConfirmedText =
    "No loads have been confirmed yet: enter the dead load, the live load and the span under "
    "Loads and press OK.";
const char* const FireNotConfirmedText =
    "No non-standard fire has been confirmed yet: choose the fire load and the opening factor "
    "under Design Fire, Non-Standard, and press OK.";

// Inputs the dialogs can never store as 0, so 0 means the engineer never confirmed them and a
// verdict would rest on numbers nobody saw.
const char* UnconfirmedInput(const FloorModel& model) {
    if (model.DeadLoad == 0 || model.Span == 0 ||
        (model.DeadLoadFactor == 0 && model.LiveLoadFactor == 0)) {
        return LoadsNotConfirmedText;
    }
    if (model.Selected.DesignFire == DesignFire::NonStandard &&
        (model.FireLoad == 0 || model.OpeningFactor == 0)) {
        return FireNotConfirmedText;
    }
    return nullptr;
}

class Run {
public:
    Run(FloorModel& model, TempDataContext& context) : model_(model), context_(context) {}

    CalculationOutcome execute();

private:
    void steps();
    void show(ResultLabel label, float value, const char* pattern) {
        outcome_.labels[static_cast<int>(label)] = FormatResult(value, pattern);
    }
    void verdictBox(const std::string& text) { outcome_.boxes.push_back({text, false}); }
    void stop(const std::string& message);

    bool continuous() const {
        return model_.Selected.SupportCondition == SupportCondition::Continuous;
    }
    bool standardFire() const { return model_.Selected.DesignFire == DesignFire::Standard; }
    std::string minutes() const { return NumberText(model_.FRRequired); }

    FloorModel& model_;
    TempDataContext& context_;
    CalculationOutcome outcome_;
    bool coverWarning_ = false;
};

CalculationOutcome Run::execute() {
    if (model_.PosSteelCount <= 0) {
        outcome_.nothingHappened = true;
        return outcome_;
    }
    if (const char* reason = UnconfirmedInput(model_)) {
        stop(reason);
        return outcome_;
    }
    try {
        steps();
        outcome_.completed = true;
    } catch (const CalculationError& error) {
        stop(error.what());
    } catch (const std::exception& error) {
        stop(std::string("An unexpected error occurred: ") + error.what() + ".");
    }
    return outcome_;
}

// A stopped run gives no verdict: its boxes other than the cover warning go, the message area
// says why, and labels the run never reached are blanked so that no number of an earlier run
// stands beside this one's.
void Run::stop(const std::string& reason) {
    outcome_.boxes.resize(coverWarning_ ? 1 : 0);
    outcome_.boxes.push_back({reason + "\r\n" + StoppedText, true});
    outcome_.messages = reason + "\r" + StoppedText;
    for (auto& label : outcome_.labels) {
        if (!label) {
            label = std::string();
        }
    }
    outcome_.stopMessage = reason;
}

void Run::steps() {
    std::string stability;
    std::string advice;
    std::string endSpan;
    std::string intermediateSpan;
    std::string insulation;

    const std::string warning = RunPreCalculationChecks(model_);
    if (!warning.empty()) {
        outcome_.boxes.push_back({warning, true});
        coverWarning_ = true;
    }
    ComputePosAreaAndCover(model_);
    ComputePosCentroid(model_);
    context_.TempDataFile.clear();
    if (continuous()) {
        ComputeNegAreaAndCover(model_);
        ComputeNegCentroid(model_);
    }
    show(ResultLabel::EffectiveCover, model_.PosEffectiveCover, "####.0");
    show(ResultLabel::SteelArea, model_.PosSteelArea, "#####.0");

    CalcSteelTemperatures(model_, context_);
    show(ResultLabel::SteelTemp, model_.PosSteelTemp, "#####.0");

    ReduceSteelStrengths(model_);
    ComputeEffectiveDepths(model_);
    CalcDamagedDepths(model_, context_);
    ComputeReducedDepths(model_);
    show(ResultLabel::ReducedDepth, model_.PosReducedDepth, "####.0");

    ComputeReducedWidths(model_);
    show(ResultLabel::ReducedWidth, model_.PosReducedWidth, "####.0");

    model_.NegConcTempDepth = static_cast<float>(0.5 * model_.SectionWidth);
    CalcConcreteTemperatures(model_, context_);
    show(ResultLabel::ConcTemp, model_.PosConcTemp, "####.0");

    ReduceConcreteStrengths(model_);
    if (model_.Selected.PosSteelType == SteelType::PrestressingStrand) {
        ApplyPrestressingStress(model_);
    }
    ComputeStressBlockDepths(model_);

    if (continuous()) {
        // Counted here so that a run stopped by the bound still reports its passes.
        RunCompressionZoneIteration(model_, [this](FloorModel& model) {
            ++outcome_.compressionZonePasses;
            CalcConcreteTemperatures(model, context_);
        });
    }

    ComputePosMomentCapacity(model_);
    show(ResultLabel::AvailMomCapacity, model_.PosMomentCapacity, "####.0");

    if (continuous()) {
        ComputeNegMomentCapacity(model_);
        const bool compressive = IsCompressiveFailure(NegSectionRatio(model_));
        outcome_.labels[static_cast<int>(ResultLabel::FailureMode)] =
            compressive ? CompressiveText : FlexuralTensionText;
        outcome_.failureModeRed = compressive;
        if (compressive) {
            verdictBox(CompressiveFailureMessage);
        }
    }

    ComputeAppliedMoment(model_);
    show(ResultLabel::AppliedMom, model_.AppliedMoment, "####.0");

    if (standardFire()) {
        if (model_.Selected.FloorType != FloorType::Beam) {
            ComputeInsulationRating(model_);
            if (model_.InsulationRating < model_.FRRequired) {
                insulation = InsulationNotAchievedText;
                verdictBox(insulation);
            }
        }
    } else {
        model_.InsulationRating = 240;
        insulation = InsulationNonStandardText;
    }

    outcome_.messages = std::string();
    if (model_.PosMomentCapacity < model_.AppliedMoment) {
        stability = standardFire()
                        ? "STABILITY OF " + minutes() + " MINUTES HAS NOT BEEN ACHIEVED"
                        : "STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS NOT BEEN ACHIEVED";
        advice = stability + "\r\n" + AdviceText;
        if (!continuous()) {
            verdictBox(advice);
            outcome_.messages = stability + "\r" + insulation;
        }
    } else if (!continuous()) {
        outcome_.messages = standardFire()
                                ? "STABILITY OF " + minutes() + " MINUTES HAS BEEN ACHIEVED"
                                : "STABILITY UNDER NON STANDARD FIRE EXPOSURE HAS BEEN ACHIEVED";
    }

    if (continuous()) {
        ComputeRequiredNegCapacities(model_);
        show(ResultLabel::ReqNegMomEndBay, model_.ReqNegMomEndBay, "0.000");
        show(ResultLabel::ReqNegMomIntBay, model_.ReqNegMomIntBay, "0.000");
        show(ResultLabel::AvailNegMom, model_.NegMomentCapacity, "0.000");

        if (model_.NegMomentCapacity < model_.ReqNegMomEndBay) {
            endSpan = standardFire() ? "FOR END SPANS, STABILITY OF " + minutes() +
                                           " MINUTES HAS NOT BEEN ACHIEVED"
                                     : "FOR END SPANS, STABILITY DURING NON STANDARD FIRE "
                                       "EXPOSURE HAS NOT BEEN ACHIEVED";
            verdictBox(endSpan);
        } else {
            endSpan = "STABILITY FOR END SPANS HAS BEEN ACHIEVED.";
        }
        if (model_.NegMomentCapacity < model_.ReqNegMomIntBay) {
            intermediateSpan = standardFire() ? "FOR INTERMEDIATE SPANS, STABILITY OF " +
                                                    minutes() + " MINUTES HAS NOT BEEN ACHIEVED"
                                              : "FOR INTERMEDIATE SPANS, STABILITY DURING NON "
                                                "STANDARD FIRE EXPOSURE HAS NOT BEEN ACHIEVED";
            verdictBox(intermediateSpan);
        } else {
            intermediateSpan = "STABILITY FOR INTERMEDIATE SPANS HAS BEEN ACHIEVED.";
        }
        outcome_.messages = endSpan + "\r" + intermediateSpan + "\r" + insulation;

        ComputeInflectionDistances(model_);
        show(ResultLabel::InflectionEndBay, model_.NegSteelLengthEndBay, "###0.00");
        show(ResultLabel::InflectionIntBay, model_.NegSteelLengthIntBay, "###0.00");
    }

    outcome_.panel = continuous() ? ResultPanel::Continuity : ResultPanel::SimplySupported;
}

}  // namespace

CalculationOutcome Calculate(FloorModel& model, TempDataContext& context) {
    return Run(model, context).execute();
}

}  // namespace fd9
