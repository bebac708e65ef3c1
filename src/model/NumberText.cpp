#include "model/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace fd9 {
namespace {

// A magnitude as significant digits (no trailing zeros) and the decimal exponent of the first.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

template <typename Real>
Decimal ToDecimal(Real magnitude, int significant) {
    // to_chars, unlike printf, never writes the locale's decimal comma.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal decimal;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            decimal.digits.push_back(c);
        }
    }
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') {
        decimal.digits.pop_back();
    }
    // from_chars takes no '+' sign.
    const std::size_t exponentStart = text[e + 1] == '+' ? e + 2 : e + 1;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), decimal.exponent);
    return decimal;
}

// The classic rule: plain digits while the first digit lies between the fourth decimal place and
// the last digit the precision carries; outside that the plain form would need more digits.
std::string Compose(const Decimal& d, int significant) {
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
    return sign + Compose(ToDecimal(std::fabs(value), significant), significant);
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
