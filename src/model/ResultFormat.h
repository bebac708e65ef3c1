#pragma once

#include <string>
#include <string_view>

namespace fd9 {

// A value in one of the result patterns "####.0", "#####.0", "###0.00", "####.00", "0.0",
// "0.00", "0.000": '#' an optional digit, '0' a required one, rounded to the decimals shown.
// A pattern that begins with '#' shows no digit before the point below 1 (0.46, "####.0" -> ".5").
std::string FormatResult(double value, std::string_view pattern);

}  // namespace fd9
