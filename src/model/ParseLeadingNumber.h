#pragma once

#include <string_view>

namespace fd9 {

// The number at the start of a field's text. Blanks, tabs and line feeds are ignored anywhere;
// sign, digits, one ".", an exponent with E or D; &H and &O read hexadecimal and octal whole
// numbers; reading stops at the first character that cannot continue the number; no number
// gives 0. The decimal point is "." whatever the locale.
double ParseLeadingNumber(std::string_view text);

// True when that reading stops at a comma straight after the number's digits ("6,5", "1,000"):
// a decimal comma or a thousands separator, whose rest would be dropped without a word.
bool StopsAtDecimalComma(std::string_view text);

}  // namespace fd9
