#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "model/NumberText.h"
#include "model/ParseLeadingNumber.h"

namespace fd9 {
namespace {

struct FloatCase {
    float value;
    const char* text;
};

TEST(NumberText, FloatKeepsSevenDigitsAndDropsTheLeadingZero) {
    const FloatCase cases[] = {
        {0.0f, " 0"},
        {-0.0f, " 0"},
        {0.4f, " .4"},
        {-0.4f, "-.4"},
        {0.04f, " .04"},
        {0.1f, " .1"},
        {32.6f, " 32.6"},
        {1000.0f, " 1000"},
        {-1000.0f, "-1000"},
        {123.456f, " 123.456"},
        {1.0f / 3.0f, " .3333333"},
        {2.0f / 3.0f, " .6666667"},
        {100.0f / 3.0f, " 33.33333"},
        {0.99999994f, " .9999999"},
        {1234567.0f, " 1234567"},
        {9999999.0f, " 9999999"},
        // Eight digits before the point need the exponent form.
        {10000000.0f, " 1E+07"},
        {12345678.0f, " 1.234568E+07"},
        {99999992.0f, " 9.999999E+07"},
        {1e20f, " 1E+20"},
        {1.5e20f, " 1.5E+20"},
        {-2.5e-7f, "-2.5E-07"},
        // The fourth decimal place is the last one written plainly.
        {0.0001f, " .0001"},
        {0.000123f, " .000123"},
        {0.0001234567f, " .0001234567"},
        {0.00001f, " 1E-05"},
        {0.0000123f, " 1.23E-05"},
        {std::numeric_limits<float>::max(), " 3.402823E+38"},
        {std::numeric_limits<float>::denorm_min(), " 1.401298E-45"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text) << "for " << c.value;
    }
}

struct DoubleCase {
    double value;
    const char* text;
};

TEST(NumberText, DoubleKeepsFifteenDigits) {
    const DoubleCase cases[] = {
        {0.0, " 0"},
        {0.1, " .1"},
        {0.1 + 0.2, " .3"},
        {1.0 / 3.0, " .333333333333333"},
        {-2.0 / 3.0, "-.666666666666667"},
        {12345678.0, " 12345678"},
        {123456789012345.0, " 123456789012345"},
        {1234567890123456.0, " 1.23456789012346E+15"},
        // Rounding to 15 digits carries into the next power of ten.
        {999999999999999.9, " 1E+15"},
        {0.00009999999999999999, " .0001"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {-1.5e-5, "-1.5E-05"},
        {1e100, " 1E+100"},
        {1e-100, " 1E-100"},
        // A widened float shows its binary noise: float values belong to the float overload.
        {static_cast<double>(0.4f), " .400000005960464"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text) << "for " << c.value;
    }
}

TEST(NumberText, WholeNumbersKeepEveryDigit) {
    EXPECT_EQ(NumberText(60), " 60");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-5), "-5");
    EXPECT_EQ(NumberText(std::int16_t{32767}), " 32767");
    EXPECT_EQ(NumberText(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(NumberText(12345678LL), " 12345678");
    EXPECT_EQ(NumberText(LLONG_MIN), "-9223372036854775808");
}

TEST(NumberText, NonFiniteValuesAreNamed) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(NumberText(std::numeric_limits<float>::quiet_NaN()), " NAN");
    EXPECT_EQ(NumberText(inf), " INF");
    EXPECT_EQ(NumberText(-inf), "-INF");
    EXPECT_EQ(FileNumberText(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FileNumberText, DropsOnlyTheLeadingBlank) {
    EXPECT_EQ(FileNumberText(0.4f), ".4");
    EXPECT_EQ(FileNumberText(-0.4f), "-.4");
    EXPECT_EQ(FileNumberText(0.04f), ".04");
    EXPECT_EQ(FileNumberText(1000.0f), "1000");
    EXPECT_EQ(FileNumberText(0.0f), "0");
    EXPECT_EQ(FileNumberText(1e20f), "1E+20");
    EXPECT_EQ(FileNumberText(0.5), ".5");
    EXPECT_EQ(FileNumberText(60), "60");
    EXPECT_EQ(FileNumberText(-60), "-60");
}

// A typed value of up to seven digits comes back out of the model file as it was typed, and
// writing what was read back changes nothing.
TEST(FileNumberText, SevenDigitValuesSurviveTheModelFile) {
    const char* scales[] = {"", "e-4", "e-2", "e2"};
    for (long long mantissa = 1; mantissa < 10000000; mantissa += 9973) {
        for (const char* scale : scales) {
            const std::string typed = std::to_string(mantissa) + scale;
            const float stored = static_cast<float>(ParseLeadingNumber(typed));
            const std::string written = FileNumberText(stored);
            ASSERT_EQ(static_cast<float>(ParseLeadingNumber(written)), stored) << typed;
            ASSERT_EQ(FileNumberText(static_cast<float>(ParseLeadingNumber(written))), written);
            ASSERT_EQ(ParseLeadingNumber(written), ParseLeadingNumber(typed)) << typed;
        }
    }
}

}  // namespace
}  // namespace fd9
