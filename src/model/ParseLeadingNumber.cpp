#include "model/ParseLeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <system_error>

namespace fd9 {
namespace {

// Reads the text one character at a time, skipping the characters that never count.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    int peek() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n')) {
            ++pos_;
        }
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
    }
    void next() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int DigitValue(int c, int base) {
    int digit = base;
    if (c >= '0' && c <= '9') {
        digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    }
    return digit < base ? digit : -1;
}

double ReadWhole(Reader& in, int base) {
    // Accumulating in double cannot overflow into undefined behaviour; absurdly long input
    // ends as infinity, which every range check refuses.
    double value = 0;
    for (int digit; (digit = DigitValue(in.peek(), base)) >= 0; in.next()) {
        value = value * base + digit;
    }
    return value;
}

// Beyond the digit count of any text, so the cap changes no result, and far from overflow.
constexpr long long ExponentLimit = 1'000'000'000'000'000;
// More digits than ever decide the rounding of a double; the rest only tells whether it was exact.
constexpr std::size_t MaxDigits = 800;

// stopsAtComma, when given, tells whether reading stopped at a comma right after a digit.
double ReadDecimal(Reader& in, bool* stopsAtComma = nullptr) {
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }
    // The value is digits x 10^scale, with no leading zeros in digits.
    std::string digits;
    long long scale = 0;
    bool inexact = false;
    bool seenPoint = false;
    bool lastWasDigit = false;
    for (int c = in.peek();; c = in.peek()) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            lastWasDigit = false;
        } else if (c >= '0' && c <= '9') {
            lastWasDigit = true;
            if (digits.empty() && c == '0') {
                scale -= seenPoint ? 1 : 0;
            } else if (digits.size() < MaxDigits) {
                digits.push_back(static_cast<char>(c));
                scale -= seenPoint ? 1 : 0;
            } else {
                inexact = inexact || c != '0';
                scale += seenPoint ? 0 : 1;
            }
        } else {
            break;
        }
        in.next();
    }
    int c = in.peek();
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        in.next();
        bool negativeExponent = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negativeExponent = in.peek() == '-';
            in.next();
        }
        long long exponent = 0;
        lastWasDigit = false;
        for (c = in.peek(); c >= '0' && c <= '9'; c = in.peek()) {
            exponent = std::min(exponent * 10 + (c - '0'), ExponentLimit);
            lastWasDigit = true;
            in.next();
        }
        scale += negativeExponent ? -exponent : exponent;
    }
    if (stopsAtComma) {
        *stopsAtComma = lastWasDigit && in.peek() == ',';
    }
    if (digits.empty()) {
        return 0;
    }
    if (inexact) {
        digits.push_back('1');
        scale -= 1;
    }
    // Decide overflow and underflow here: from_chars leaves its result unset for them.
    const long long leading = scale + static_cast<long long>(digits.size()) - 1;
    double magnitude = 0;
    if (leading > 400) {
        magnitude = HUGE_VAL;
    } else if (leading >= -400) {
        const std::string text = digits + "e" + std::to_string(scale);
        const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
        if (result.ec == std::errc::result_out_of_range) {
            magnitude = leading > 0 ? HUGE_VAL : 0.0;
        }
    }
    if (magnitude == 0) {
        return 0;  // never -0: a field reading "-0" holds plain zero
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
    Reader in(text);
    if (in.peek() == '&') {
        in.next();
        const int c = in.peek();
        if (c == 'H' || c == 'h') {
            in.next();
            return ReadWhole(in, 16);
        }
        if (c == 'O' || c == 'o') {
            in.next();
            return ReadWhole(in, 8);
        }
        return 0;
    }
    return ReadDecimal(in);
}

bool StopsAtDecimalComma(std::string_view text) {
    Reader in(text);
    bool comma = false;
    if (in.peek() != '&') {
        ReadDecimal(in, &comma);
    }
    return comma;
}

}  // namespace fd9
