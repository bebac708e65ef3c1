#include "model/ResultFormat.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "model/DecimalText.h"

namespace fd9 {
namespace {

struct Pattern {
    std::size_t minIntegerDigits = 0;
    std::size_t decimals = 0;
    std::size_t minDecimals = 0;
    bool hasPoint = false;
};

Pattern ReadPattern(std::string_view text) {
    Pattern pattern;
    const std::size_t point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto isDigitSlot = [](char c) { return c == '#' || c == '0'; };
    if (!std::all_of(integer.begin(), integer.end(), isDigitSlot) ||
        !std::all_of(fraction.begin(), fraction.end(), isDigitSlot)) {
        throw std::invalid_argument("unsupported number pattern: " + std::string(text));
    }
    pattern.minIntegerDigits =
        static_cast<std::size_t>(std::count(integer.begin(), integer.end(), '0'));
    pattern.decimals = fraction.size();
    const std::size_t lastZero = fraction.find_last_of('0');
    pattern.minDecimals = lastZero == std::string_view::npos ? 0 : lastZero + 1;
    pattern.hasPoint = point != std::string_view::npos;
    return pattern;
}

// The magnitude rounded to whole units of 10^-decimals, as a digit string. The rounding works
// on the 15-digit decimal form of the double, half away from zero, so that a value that reads
// as 0.285 rounds to 0.29 although its binary form lies just below.
std::string ScaledDigits(double magnitude, std::size_t decimals) {
    constexpr int Significant = 15;
    const auto [digits, exponent] = SplitDecimal(magnitude, Significant);

    // Digits to keep: those whose place value is at least 10^-decimals.
    const long long keep = static_cast<long long>(exponent) + static_cast<long long>(decimals) + 1;
    if (keep < 0) {
        return "0";
    }
    if (keep >= Significant) {
        return digits + std::string(static_cast<std::size_t>(keep - Significant), '0');
    }
    std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
    if (digits[static_cast<std::size_t>(keep)] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    return kept.empty() ? "0" : kept;
}

}  // namespace

std::string FormatResult(double value, std::string_view patternText) {
    const Pattern pattern = ReadPattern(patternText);
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    std::string scaled = ScaledDigits(std::fabs(value), pattern.decimals);
    if (scaled.size() <= pattern.decimals) {
        scaled.insert(0, pattern.decimals + 1 - scaled.size(), '0');
    }
    std::string integer = scaled.substr(0, scaled.size() - pattern.decimals);
    std::string fraction = scaled.substr(scaled.size() - pattern.decimals);
    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;

    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < pattern.minIntegerDigits) {
        integer.insert(0, pattern.minIntegerDigits - integer.size(), '0');
    }
    while (fraction.size() > pattern.minDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    // A value that rounds to zero shows no minus sign: "-.0" would claim a sign it does not have.
    std::string text = value < 0 && !isZero ? "-" : "";
    text += integer;
    if (pattern.hasPoint) {
        text += '.';
        text += fraction;
    }
    return text;
}

}  // namespace fd9
