// Numbers the program writes must read back as the same number: a field, a list item or the
// model file shows NumberText, and reading that text must give a value that writes the same.
#include "model/NumberText.h"
#include "model/ParseLeadingNumber.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

template <typename Real>
void CheckReal(Real value) {
    if (!std::isfinite(value))
        return;
    // Fifteen digits round the top of the double range up past the largest double; no field,
    // list or file of the program holds a double that large.
    if (std::fabs(static_cast<double>(value)) > 1.797693134862315e308)
        return;
    for (const std::string& text : {fd9::NumberText(value), fd9::FileNumberText(value)}) {
        const double read = fd9::ParseLeadingNumber(text);
        if (!std::isfinite(read))
            Fail("finite value read back as infinite", text);
        if (fd9::NumberText(static_cast<Real>(read)) != fd9::NumberText(value)) {
            Fail("text does not read back to the same number", text);
        }
        const double tolerance = std::is_same_v<Real, float> ? 6e-7 : 6e-15;
        if (std::fabs(read - value) > tolerance * std::fabs(static_cast<double>(value))) {
            Fail("text is further from the value than its digits allow", text);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        CheckReal(d);
    }
    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        CheckReal(f);
    }
    if (size >= sizeof(long long)) {
        long long n;
        std::memcpy(&n, data, sizeof n);
        n >>= 10;  // a double holds every whole number of this size exactly
        const std::string text = fd9::NumberText(n);
        if (fd9::ParseLeadingNumber(text) != static_cast<double>(n)) {
            Fail("whole number does not read back", text);
        }
    }
    return 0;
}
