#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/FloorModel.h"

namespace fd9 {

// What a stability verdict speaks of: a simply-supported member as a whole, or the end or the
// intermediate spans of a continuous one.
enum class VerdictSpan { Member, EndSpans, IntermediateSpans };

// The one wording of a stability verdict, shared by the boxes, the message area and the report:
// "STABILITY OF  60 MINUTES HAS BEEN ACHIEVED", "FOR END SPANS, STABILITY DURING NON STANDARD
// FIRE EXPOSURE HAS NOT BEEN ACHIEVED". The rating (minutes) is written as NumberText writes it.
std::string StabilityVerdict(VerdictSpan span, bool standardFire, std::int16_t rating,
                             bool achieved);

// The failure mode of a continuous member's negative section, as every output words it.
inline constexpr const char* FlexuralTensionText = "FLEXURAL TENSION";
inline constexpr const char* CompressiveText = "COMPRESSIVE";
inline constexpr const char* FailureModeText(bool compressive) {
    return compressive ? CompressiveText : FlexuralTensionText;
}

// The message area's short form for spans of a continuous member that hold:
// "STABILITY FOR END SPANS HAS BEEN ACHIEVED."
std::string SpansHoldMessage(VerdictSpan span);

// A bay whose point of inflection the formulas would put beyond the support, so that it has
// none: an end bay when the required negative capacity exceeds the dead-load moment G L^2 / 2,
// an intermediate bay when the positive capacity exceeds G L^2 / 8.
bool EndBayHasNoInflection(const FloorModel& model);
bool IntBayHasNoInflection(const FloorModel& model);

// The lines that explain a result of the last calculation which the formulas alone would show
// as a plain number: a moment capacity below 0, and a bay without a point of inflection. Shared
// by the message area and the report, in the order they show them; empty for most members.
std::vector<std::string> ResultNotes(const FloorModel& model);

}  // namespace fd9
