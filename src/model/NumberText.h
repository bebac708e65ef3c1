#pragma once

#include <concepts>
#include <string>

namespace fd9 {

// A number as messages, dialog fields and list items show it: a blank for zero or positive
// values and "-" for negative ones, then the shortest decimal form (7 significant digits for
// float, 15 for double, every digit of a whole number) with no 0 before the point and no
// trailing zeros; exponent form ("1E+20", "1E-05") only where the plain form needs more digits.
std::string NumberText(float value);
std::string NumberText(double value);
std::string NumberText(long long value);
template <std::integral Whole>
std::string NumberText(Whole value) {
    return NumberText(static_cast<long long>(value));
}

// The same without the leading blank, as the model file writes numbers.
std::string FileNumberText(float value);
std::string FileNumberText(double value);
std::string FileNumberText(long long value);
template <std::integral Whole>
std::string FileNumberText(Whole value) {
    return FileNumberText(static_cast<long long>(value));
}

}  // namespace fd9
