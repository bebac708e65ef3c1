#include "calc/Calculate.h"

#include <exception>
#include <utility>

#include "calc/Continuity.h"
#include "calc/GroupProperties.h"
#include "calc/PreCalculationChecks.h"
#include "calc/StrengthAndCapacity.h"
#include "model/CalculationError.h"
#include "model/ResultFormat.h"
#include "model/Verdicts.h"

namespace fd9 {

const char* ResultLabelName(ResultLabel label) {
    static const char* const names[ResultLabelCount] = {
        "EffectiveCover",   "SteelTemp",        "SteelArea",        "ReducedDepth",
        "ReducedWidth",     "ConcTemp",         "AvailMomCapacity", "AppliedMom",
        "ReqNegMomEndBay",  "ReqNegMomIntBay",  "AvailNegMom",      "FailureMode",
        "InflectionEndBay", "InflectionIntBay",
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

const char* const RatingNotChosenText =
    "No fire resistance rating has been chosen yet: choose one under Design Fire, Standard (ISO).";

const char* UnconfirmedInputText(const FloorModel& model) {
    switch (FindUnconfirmedInput(model)) {
        case UnconfirmedInput::Loads:
            return LoadsNotConfirmedText;
        case UnconfirmedInput::NonStandardFire:
            return FireNotConfirmedText;
        case UnconfirmedInput::Rating:
            return RatingNotChosenText;
        case UnconfirmedInput::None:
            break;
    }
    return nullptr;
}

class Run {
public:
    Run(FloorModel& model, TempDataContext& context) : model_(model), context_(context) {}

    CalculationOutcome execute();

private:
    void road();
    void checkCover();
    void groupProperties();
    void steelTemperature();
    void reducedSection();
    void concreteTemperature();
    void compressionZone();
    void momentCapacity();
    void appliedMoment();
    void insulation();
    void memberVerdict();
    void spanVerdicts();
    void explain();

    void show(ResultLabel label, float value, const char* pattern) {
        outcome_.labels[static_cast<int>(label)] = FormatResult(value, pattern);
    }
    void verdictBox(const std::string& text) { outcome_.boxes.push_back({text, false}); }
    void stop(const std::string& message);
    void blankUnreachedLabels();

    bool continuous() const { return IsContinuous(model_); }
    bool standardFire() const { return model_.Selected.DesignFire == DesignFire::Standard; }
    std::string stability(VerdictSpan span, bool achieved) const {
        return StabilityVerdict(span, standardFire(), model_.FRRequired, achieved);
    }

    FloorModel& model_;
    TempDataContext& context_;
    CalculationOutcome outcome_;
    bool coverWarning_ = false;
    std::string insulation_;  // the message area's insulation line; empty when achieved
};

CalculationOutcome Run::execute() {
    if (model_.PosSteelCount <= 0) {
        outcome_.nothingHappened = true;
        return outcome_;
    }
    if (const char* reason = UnconfirmedInputText(model_)) {
        stop(reason);
        return outcome_;
    }
    try {
        road();
        outcome_.completed = true;
        blankUnreachedLabels();
    } catch (const CalculationError& error) {
        stop(error.what());
    } catch (const std::exception& error) {
        stop(std::string("An unexpected error occurred: ") + error.what() + ".");
    }
    return outcome_;
}

// Labels the run never reached are blanked so that no number of an earlier run stands beside
// this one's: those a stopped run did not get to, and the continuity panel's after a simply
// supported run, which the user can still click into view.
void Run::blankUnreachedLabels() {
    for (auto& label : outcome_.labels) {
        if (!label) {
            label = std::string();
        }
    }
}

// A stopped run gives no verdict: its boxes other than the cover warning go and the message
// area says why.
void Run::stop(const std::string& reason) {
    outcome_.boxes.resize(coverWarning_ ? 1 : 0);
    outcome_.boxes.push_back({reason + "\r\n" + StoppedText, true});
    outcome_.messages = reason + "\r" + StoppedText;
    blankUnreachedLabels();
    outcome_.stopMessage = reason;
}

// The order of the steps is the order of the boxes and of the labels a stopped run leaves.
void Run::road() {
    checkCover();
    groupProperties();
    steelTemperature();
    reducedSection();
    concreteTemperature();
    compressionZone();
    momentCapacity();
    appliedMoment();
    insulation();
    if (continuous()) {
        spanVerdicts();
    } else {
        memberVerdict();
    }
    explain();
    outcome_.panel = continuous() ? ResultPanel::Continuity : ResultPanel::SimplySupported;
}

void Run::checkCover() {
    const std::string warning = RunPreCalculationChecks(model_);
    if (!warning.empty()) {
        outcome_.boxes.push_back({warning, true});
        coverWarning_ = true;
    }
}

void Run::groupProperties() {
    ComputePosAreaAndCover(model_);
    ComputePosCentroid(model_);
    context_.TempDataFile.clear();
    if (continuous()) {
        ComputeNegAreaAndCover(model_);
        ComputeNegCentroid(model_);
    }
    show(ResultLabel::EffectiveCover, model_.PosEffectiveCover, "####.0");
    show(ResultLabel::SteelArea, model_.PosSteelArea, "#####.0");
}

void Run::steelTemperature() {
    CalcSteelTemperatures(model_, context_);
    show(ResultLabel::SteelTemp, model_.PosSteelTemp, "#####.0");
    ReduceSteelStrengths(model_);
}

void Run::reducedSection() {
    ComputeEffectiveDepths(model_);
    CalcDamagedDepths(model_, context_);
    ComputeReducedDepths(model_);
    show(ResultLabel::ReducedDepth, model_.PosReducedDepth, "####.0");
    ComputeReducedWidths(model_);
    show(ResultLabel::ReducedWidth, model_.PosReducedWidth, "####.0");
}

void Run::concreteTemperature() {
    model_.NegConcTempDepth = static_cast<float>(0.5 * model_.SectionWidth);
    CalcConcreteTemperatures(model_, context_);
    show(ResultLabel::ConcTemp, model_.PosConcTemp, "####.0");
    ReduceConcreteStrengths(model_);
    if (model_.Selected.PosSteelType == SteelType::PrestressingStrand) {
        ApplyPrestressingStress(model_);
    }
    ComputeStressBlockDepths(model_);
}

void Run::compressionZone() {
    if (!continuous()) {
        return;
    }
    // Counted here so that a run stopped by the bound still reports its passes.
    RunCompressionZoneIteration(model_, [this](FloorModel& model) {
        ++outcome_.compressionZonePasses;
        CalcConcreteTemperatures(model, context_);
    });
}

void Run::momentCapacity() {
    ComputePosMomentCapacity(model_);
    show(ResultLabel::AvailMomCapacity, model_.PosMomentCapacity, "####.0");
    if (!continuous()) {
        return;
    }
    ComputeNegMomentCapacity(model_);
    const bool compressive = IsCompressiveFailure(NegSectionRatio(model_));
    outcome_.labels[static_cast<int>(ResultLabel::FailureMode)] = FailureModeText(compressive);
    outcome_.failureModeRed = compressive;
    if (compressive) {
        verdictBox(CompressiveFailureMessage);
    }
}

void Run::appliedMoment() {
    ComputeAppliedMoment(model_);
    show(ResultLabel::AppliedMom, model_.AppliedMoment, "####.0");
}

void Run::insulation() {
    if (!standardFire()) {
        model_.InsulationRating = 240;
        insulation_ = InsulationNonStandardText;
        return;
    }
    if (model_.Selected.FloorType == FloorType::Beam) {
        return;
    }
    ComputeInsulationRating(model_);
    outcome_.insulation = !(model_.InsulationRating < model_.FRRequired);
    if (!*outcome_.insulation) {
        insulation_ = InsulationNotAchievedText;
        verdictBox(insulation_);
    }
}

void Run::memberVerdict() {
    outcome_.stability = !(model_.PosMomentCapacity < model_.AppliedMoment);
    if (!*outcome_.stability) {
        const std::string verdict = stability(VerdictSpan::Member, false);
        verdictBox(verdict + "\r\n" + AdviceText);
        outcome_.messages = verdict + "\r" + insulation_;
    } else {
        outcome_.messages = stability(VerdictSpan::Member, true);
    }
}

void Run::spanVerdicts() {
    ComputeRequiredNegCapacities(model_);
    show(ResultLabel::ReqNegMomEndBay, model_.ReqNegMomEndBay, "0.000");
    show(ResultLabel::ReqNegMomIntBay, model_.ReqNegMomIntBay, "0.000");
    show(ResultLabel::AvailNegMom, model_.NegMomentCapacity, "0.000");

    std::string messages;
    const std::pair<VerdictSpan, float> spans[] = {
        {VerdictSpan::EndSpans, model_.ReqNegMomEndBay},
        {VerdictSpan::IntermediateSpans, model_.ReqNegMomIntBay}};
    outcome_.endSpans = !(model_.NegMomentCapacity < model_.ReqNegMomEndBay);
    outcome_.intermediateSpans = !(model_.NegMomentCapacity < model_.ReqNegMomIntBay);
    for (const auto& [span, required] : spans) {
        if (model_.NegMomentCapacity < required) {
            messages += stability(span, false);
            verdictBox(stability(span, false));
        } else {
            messages += SpansHoldMessage(span);
        }
        messages += "\r";
    }
    outcome_.messages = messages + insulation_;

    ComputeInflectionDistances(model_);
    show(ResultLabel::InflectionEndBay, model_.NegSteelLengthEndBay, "###0.00");
    show(ResultLabel::InflectionIntBay, model_.NegSteelLengthIntBay, "###0.00");
}

// A capacity below 0 or a bay without a point of inflection gets a line of its own, after the
// verdicts and in the place of an empty insulation line.
void Run::explain() {
    std::string& messages = *outcome_.messages;
    for (const std::string& note : ResultNotes(model_)) {
        if (!messages.empty() && messages.back() != '\r') {
            messages += '\r';
        }
        messages += note;
    }
}

}  // namespace

// Inputs the dialogs can never store as 0, so 0 means the engineer never confirmed them and a
// verdict would rest on numbers nobody saw.
UnconfirmedInput FindUnconfirmedInput(const FloorModel& model) {
    if (model.DeadLoad == 0 || model.Span == 0 ||
        (model.DeadLoadFactor == 0 && model.LiveLoadFactor == 0)) {
        return UnconfirmedInput::Loads;
    }
    if (model.Selected.DesignFire == DesignFire::NonStandard &&
        (model.FireLoad == 0 || model.OpeningFactor == 0)) {
        return UnconfirmedInput::NonStandardFire;
    }
    // Nor does the rating dialog store 0 minutes; said first, before any search finds nothing.
    if (model.Selected.DesignFire == DesignFire::Standard && model.FRRequired == 0) {
        return UnconfirmedInput::Rating;
    }
    return UnconfirmedInput::None;
}

CalculationOutcome Calculate(FloorModel& model, TempDataContext& context) {
    return Run(model, context).execute();
}

}  // namespace fd9
