#include "model/DecimalText.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace fd9 {

DecimalDigits SplitDecimal(double magnitude, int significant) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    DecimalDigits split;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            split.digits.push_back(c);
        }
    }
    // from_chars takes no '+' sign.
    const std::size_t exponentStart = text[e + 1] == '+' ? e + 2 : e + 1;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), split.exponent);
    return split;
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Far beyond any exponent a double can reach, and far from overflow.
constexpr long long ExponentCap = 1'000'000'000;

}  // namespace

template <typename Real>
Decimal<Real> ParseDecimal(std::string_view text, ExponentLetters letters) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    // Where the first significant digit stands, as a power of ten, for telling a number too
    // small from one too large.
    long long leading = -1;
    bool seenSignificant = false;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
        seenSignificant = seenSignificant || text[i] != '0';
        leading += seenSignificant ? 1 : 0;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
            if (!seenSignificant) {
                seenSignificant = text[i] != '0';
                leading -= seenSignificant ? 0 : 1;
            }
        }
    }
    if (digits == 0) {
        return {};
    }
    std::string normal(text.substr(text[0] == '+' ? 1 : 0, i - (text[0] == '+' ? 1 : 0)));
    const auto isExponentLetter = [letters](char c) {
        return c == 'E' || c == 'e' || (letters == ExponentLetters::EOrD && (c == 'D' || c == 'd'));
    };
    if (i < text.size() && isExponentLetter(text[i])) {
        normal.push_back('e');
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            normal.push_back(text[i++]);
        }
        long long exponent = 0;
        const std::size_t start = i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), ExponentCap);
        }
        if (i == start) {
            return {};
        }
        normal.append(text.substr(start, i - start));
        leading += negative ? -exponent : exponent;
    }
    if (i != text.size()) {
        return {};
    }
    Real value{};
    const auto parsed = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        return {leading < 0 ? DecimalStatus::TooSmall : DecimalStatus::TooLarge, 0};
    }
    if (parsed.ec != std::errc() || parsed.ptr != normal.data() + normal.size()) {
        return {};
    }
    return {DecimalStatus::Read, value};
}

template Decimal<float> ParseDecimal<float>(std::string_view, ExponentLetters);
template Decimal<double> ParseDecimal<double>(std::string_view, ExponentLetters);

}  // namespace fd9
