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

}  // namespace fd9
