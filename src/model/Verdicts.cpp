#include "model/Verdicts.h"

#include "model/NumberText.h"

namespace fd9 {

std::string StabilityVerdict(VerdictSpan span, bool standardFire, std::int16_t rating,
                             bool achieved) {
    std::string text;
    switch (span) {
        case VerdictSpan::EndSpans:
            text = "FOR END SPANS, ";
            break;
        case VerdictSpan::IntermediateSpans:
            text = "FOR INTERMEDIATE SPANS, ";
            break;
        case VerdictSpan::Member:
            break;
    }
    if (standardFire) {
        text += "STABILITY OF " + NumberText(rating) + " MINUTES";
    } else {
        text += span == VerdictSpan::Member ? "STABILITY UNDER NON STANDARD FIRE EXPOSURE"
                                            : "STABILITY DURING NON STANDARD FIRE EXPOSURE";
    }
    return text + (achieved ? " HAS BEEN ACHIEVED" : " HAS NOT BEEN ACHIEVED");
}

std::string SpansHoldMessage(VerdictSpan span) {
    return span == VerdictSpan::IntermediateSpans
               ? "STABILITY FOR INTERMEDIATE SPANS HAS BEEN ACHIEVED."
               : "STABILITY FOR END SPANS HAS BEEN ACHIEVED.";
}

bool EndBayHasNoInflection(const FloorModel& model) {
    const double span = model.Span;
    return 2.0 * model.ReqNegMomEndBay > model.DeadLoad * span * span;
}

bool IntBayHasNoInflection(const FloorModel& model) {
    const double span = model.Span;
    return 8.0 * model.PosMomentCapacity > model.DeadLoad * span * span;
}

std::vector<std::string> ResultNotes(const FloorModel& model) {
    const std::string leftIn =
        model.Selected.DesignFire == DesignFire::Standard ? " at this rating." : " in this fire.";
    const auto noCapacity = [&](const char* which) {
        return std::string("The ") + which +
               " moment capacity is below 0: the compression zone is deeper than the section "
               "allows, so the section has no moment capacity left" +
               leftIn;
    };
    std::vector<std::string> notes;
    if (model.Selected.SupportCondition != SupportCondition::Continuous) {
        if (model.PosMomentCapacity < 0) {
            notes.push_back(noCapacity("positive"));
        }
        return notes;
    }
    if (model.NegMomentCapacity < 0) {
        notes.push_back(noCapacity("negative"));
    }
    // Only where the lengths shown are the ones these rules gave.
    if (EndBayHasNoInflection(model) && model.NegSteelLengthEndBay == model.Span) {
        notes.push_back(
            "An end bay has no point of inflection: the support moment reverses the whole span "
            "under the dead load, so the negative-moment steel runs the whole span.");
    }
    if (IntBayHasNoInflection(model) && model.NegSteelLengthIntBay == 0) {
        notes.push_back(
            "An intermediate bay has no point of inflection: the positive capacity alone carries "
            "the dead-load moment, so no negative-moment steel is needed.");
    }
    return notes;
}

}  // namespace fd9
