#pragma once

#include <cmath>
#include <string>

#include "model/CalculationError.h"
#include "model/NumberText.h"

namespace fd9 {

// A run that meets arithmetic it cannot do stops here with an engineer's message instead of
// carrying NaN or infinity into a verdict.
[[noreturn]] inline void StopCalculation(const std::string& reason) {
    throw CalculationError(reason + ".");
}

// The value as the model stores it; a result that does not fit a float stops the run.
// quantity names it at the start of a sentence ("The applied moment").
inline float StoreResult(double value, const char* quantity) {
    const float stored = static_cast<float>(value);
    if (!std::isfinite(stored)) {
        StopCalculation(std::string(quantity) +
                        " could not be worked out: it is not a finite number");
    }
    return stored;
}

// Shown inside messages after a word, with a blank before any sign: " 12.5", " -5.8".
inline std::string ValueText(double value) {
    const std::string text = NumberText(static_cast<float>(value));
    return text.empty() || text.front() == ' ' ? text : " " + text;
}

}  // namespace fd9
