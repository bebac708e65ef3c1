#pragma once

#include <cstdint>
#include <optional>

namespace fd9 {

// Nearest 16-bit integer, halves to even (0.5 -> 0, 2.5 -> 2, 3.5 -> 4). Empty when the value
// does not fit in 16 bits or is not finite: callers refuse such input.
std::optional<std::int16_t> RoundToInt16(double value);

}  // namespace fd9
