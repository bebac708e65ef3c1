#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "model/ResultFormat.h"

namespace fd9 {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

TEST(FormatResult, RoundsHalfAwayFromZeroToTheDecimalsShown) {
    const FormatCase cases[] = {
        {12.34, "####.0", "12.3"},
        {12.35, "####.0", "12.4"},
        {0.25, "####.0", ".3"},
        {-0.25, "####.0", "-.3"},
        {0.35, "####.0", ".4"},  // binary 0.34999...
        {0.05f, "####.0", ".1"},
        {0.95, "####.0", "1.0"},
        {9.96, "####.0", "10.0"},
        {99999.96, "####.0", "100000.0"},
        {0.015, "###0.00", "0.02"},
        {1.005, "###0.00", "1.01"},
        {2.675, "###0.00", "2.68"},
        // The float nearest 2.675 lies below it, and the rounding sees the float's value.
        {2.675f, "###0.00", "2.67"},
        {12345.678, "###0.00", "12345.68"},
        {0.995, "0.00", "1.00"},
        {-0.005, "0.00", "-0.01"},
        {-1.25, "0.0", "-1.3"},
        {1234.56, "0.0", "1234.6"},
        {2.0005, "0.000", "2.001"},
        {0.0005, "0.000", "0.001"},
        {0.0004, "0.000", "0.000"},
        {123.4567, "0.000", "123.457"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatResult(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

TEST(FormatResult, HashPatternsShowNoDigitBeforeThePointBelowOne) {
    const FormatCase cases[] = {
        {0.46, "####.0", ".5"},    {-0.46, "####.0", "-.5"}, {0.0, "####.0", ".0"},
        {0.04, "####.0", ".0"},    {0.46, "#####.0", ".5"},  {0.5, "####.00", ".50"},
        {-0.5, "####.00", "-.50"}, {0.0, "####.00", ".00"},  {0.004, "####.00", ".00"},
        {1.5, "####.00", "1.50"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatResult(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

TEST(FormatResult, ZeroPatternsKeepTheDigitBeforeThePoint) {
    const FormatCase cases[] = {
        {0.46, "###0.00", "0.46"}, {-0.46, "###0.00", "-0.46"}, {0.0, "###0.00", "0.00"},
        {0.0, "0.0", "0.0"},       {0.5, "0.0", "0.5"},         {0.4, "0.00", "0.40"},
        {1.0, "0.00", "1.00"},     {0.5, "0.000", "0.500"},     {1e-20, "0.000", "0.000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatResult(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

// A negative value that rounds to zero is shown as zero, not as "-0.0".
TEST(FormatResult, NegativeValuesRoundingToZeroLoseTheSign) {
    EXPECT_EQ(FormatResult(-0.04, "####.0"), ".0");
    EXPECT_EQ(FormatResult(-0.04, "0.0"), "0.0");
    EXPECT_EQ(FormatResult(-0.0, "0.000"), "0.000");
    EXPECT_EQ(FormatResult(-0.0004, "0.000"), "0.000");
}

TEST(FormatResult, LargeValuesShowEveryDigit) {
    EXPECT_EQ(FormatResult(1234567.89, "####.0"), "1234567.9");
    EXPECT_EQ(FormatResult(123456.7, "#####.0"), "123456.7");
    EXPECT_EQ(FormatResult(1e15, "0.00"), "1000000000000000.00");
    EXPECT_EQ(FormatResult(1e20, "####.0"), "100000000000000000000.0");
    // Beyond 15 significant digits the rest are zeros.
    EXPECT_EQ(FormatResult(123456789012345678.0, "0.0"), "123456789012346000.0");
}

TEST(FormatResult, NonFiniteValuesAreNamed) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatResult(inf, "####.0"), "INF");
    EXPECT_EQ(FormatResult(-inf, "0.00"), "-INF");
    EXPECT_EQ(FormatResult(std::numeric_limits<double>::quiet_NaN(), "0.0"), "NAN");
}

TEST(FormatResult, RefusesAPatternItDoesNotKnow) {
    EXPECT_THROW(FormatResult(1.0, "#,##0.0"), std::invalid_argument);
}

}  // namespace
}  // namespace fd9
