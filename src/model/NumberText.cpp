#include "model/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "model/DecimalText.h"

namespace fd9 {
namespace {

// Significant digits without trailing zeros, and the decimal exponent of the first.
DecimalDigits ShortestDigits(double magnitude, int significant) {
    DecimalDigits decimal = SplitDecimal(magnitude, significant);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') {
        decimal.digits.pop_back();
    }
    return decimal;
}

// The classic rule: plain digits while the first digit lies between the fourth decimal place and
// the last digit the precision carries; outside that the plain form would need more digits.
std::string Compose(const DecimalDigits& d, int significant) {
    const int n = static_cast<int>(d.digits.size());
    const int x = d.exponent;
    if (x < -4 || x >= significant) {
        std::string text(1, d.digits[0]);
        if (n > 1) {
            text += '.';
            text.append(d.digits, 1);
        }
        text += x < 0 ? "E-" : "E+";
        const int magnitude = std::abs(x);
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
        return text;
    }
    if (x < 0) {
        return "." + std::string(static_cast<std::size_t>(-x - 1), '0') + d.digits;
    }
    if (n <= x + 1) {
        return d.digits + std::string(static_cast<std::size_t>(x + 1 - n), '0');
    }
    return d.digits.substr(0, static_cast<std::size_t>(x + 1)) + "." +
           d.digits.substr(static_cast<std::size_t>(x + 1));
}

template <typename Real>
std::string RealText(Real value, int significant, bool leadingBlank) {
    const std::string blank = leadingBlank ? " " : "";
    if (std::isnan(value)) {
        return blank + "NAN";
    }
    const bool negative = value < 0;
    const std::string sign = negative ? "-" : blank;
    if (std::isinf(value)) {
        return sign + "INF";
    }
    if (value == 0) {
        return blank + "0";  // -0 too: a minus sign on zero would only mislead.
    }
    return sign + Compose(ShortestDigits(std::fabs(value), significant), significant);
}

std::string WholeText(long long value, bool leadingBlank) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (value >= 0 && leadingBlank) {
        text.insert(text.begin(), ' ');
    }
    return text;
}

constexpr int FloatDigits = 7;
constexpr int DoubleDigits = 15;

}  // namespace

std::string NumberText(float value) {
    return RealText(value, FloatDigits, true);
}
std::string NumberText(double value) {
    return RealText(value, DoubleDigits, true);
}
std::string NumberText(long long value) {
    return WholeText(value, true);
}

std::string FileNumberText(float value) {
    return RealText(value, FloatDigits, false);
}
std::string FileNumberText(double value) {
    return RealText(value, DoubleDigits, false);
}
std::string FileNumberText(long long value) {
    return WholeText(value, false);
}

}  // namespace fd9
