#pragma once

#include <cstdint>
#include <string>

namespace fd9 {

// What a stability verdict speaks of: a simply-supported member as a whole, or the end or the
// intermediate spans of a continuous one.
enum class VerdictSpan { Member, EndSpans, IntermediateSpans };

// The one wording of a stability verdict, shared by the boxes, the message area and the report:
// "STABILITY OF  60 MINUTES HAS BEEN ACHIEVED", "FOR END SPANS, STABILITY DURING NON STANDARD
// FIRE EXPOSURE HAS NOT BEEN ACHIEVED". The rating (minutes) is written as NumberText writes it.
std::string StabilityVerdict(VerdictSpan span, bool standardFire, std::int16_t rating,
                             bool achieved);

// The message area's short form for spans of a continuous member that hold:
// "STABILITY FOR END SPANS HAS BEEN ACHIEVED."
std::string SpansHoldMessage(VerdictSpan span);

}  // namespace fd9
