#pragma once

#include <string>
#include <string_view>

namespace fd9 {

// A magnitude as exactly `significant` correctly rounded digits (trailing zeros kept) and the
// decimal exponent of the first: 1234.5 to 6 digits is "123450" and 3. Never the locale's comma.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};
DecimalDigits SplitDecimal(double magnitude, int significant);

// The numbers of the model and temperature data files: an optional sign, digits with at most
// one '.' and at least one digit, and an optional exponent of 'E' or 'e' (with EOrD also 'D'
// or 'd'), its own sign and at least one digit. Nothing else: no blanks, and none of the "inf",
// "nan" and hex digits that from_chars alone would take.
enum class ExponentLetters { E, EOrD };
enum class DecimalStatus { Read, NotDecimal, TooLarge, TooSmall };

template <typename Real>
struct Decimal {
    DecimalStatus status = DecimalStatus::NotDecimal;
    Real value = 0;  // set only when Read
};

// Real is float or double; the text is rounded once, straight to Real.
template <typename Real>
Decimal<Real> ParseDecimal(std::string_view text, ExponentLetters letters);

}  // namespace fd9
