#pragma once

#include <cstdint>
#include <string>

namespace fd9 {

// A number as messages, dialog fields and list items show it: a blank for zero or positive
// values and "-" for negative ones, then the shortest decimal form (7 significant digits for
// float, 15 for double, every digit of a whole number) with no 0 before the point and no
// trailing zeros; exponent form ("1E+20", "1E-05") only where the plain form needs more digits.
std::string NumberText(float value);
std::string NumberText(double value);
std::string NumberText(long long value);
inline std::string NumberText(int value) {
    return NumberText(static_cast<long long>(value));
}
inline std::string NumberText(std::int16_t value) {
    return NumberText(static_cast<long long>(value));
}

// The same without the leading blank, as the model file writes numbers.
std::string FileNumberText(float value);
std::string FileNumberText(double value);
std::string FileNumberText(long long value);
inline std::string FileNumberText(int value) {
    return FileNumberText(static_cast<long long>(value));
}
inline std::string FileNumberText(std::int16_t value) {
    return FileNumberText(static_cast<long long>(value));
}

}  // namespace fd9
