#include "model/WholeNumber.h"

#include <cmath>

namespace fd9 {

std::optional<std::int16_t> RoundToInt16(double value) {
    // Also refuses NaN and infinities; the bound keeps the conversion below well defined.
    if (!(value >= -32768.5 && value <= 32767.5)) {
        return std::nullopt;
    }
    // Halves to even explicitly rather than through the floating-point rounding mode.
    const double below = std::floor(value);
    const double fraction = value - below;  // exact for every double in range
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    if (rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace fd9
