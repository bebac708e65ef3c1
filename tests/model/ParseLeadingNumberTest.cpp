#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <locale>
#include <string>

#include "model/NumberText.h"
#include "model/ParseLeadingNumber.h"
#include "model/ResultFormat.h"

namespace fd9 {
namespace {

struct ParseCase {
    const char* text;
    double value;
};

void ExpectParses(const ParseCase& c) {
    const double value = ParseLeadingNumber(c.text);
    EXPECT_EQ(value, c.value) << "for \"" << c.text << "\"";
    EXPECT_FALSE(std::signbit(value) && value == 0) << "-0 for \"" << c.text << "\"";
}

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStart) {
    const ParseCase cases[] = {
        {"", 0},        {"abc", 0},     {"12", 12},     {"007", 7},      {"12abc", 12},
        {"1,5", 1},     {"+5", 5},      {"-5", -5},     {"--5", 0},      {"+-5", 0},
        {"-", 0},       {"-0", 0},      {"1.5", 1.5},   {".5", 0.5},     {"-.5", -0.5},
        {"5.", 5},      {"1.2.3", 1.2}, {".", 0},       {"-.", 0},       {"0.000", 0},
        {"0.04", 0.04}, {"0.1", 0.1},   {"32.6", 32.6}, {"1000", 1000},  {"1e3", 1000},
        {"1E3", 1000},  {"1d3", 1000},  {"1D-2", 0.01}, {"2.5E+2", 250}, {"1e", 1},
        {"1e+", 1},     {"1e-", 1},     {"2.5e", 2.5},  {"1e2.5", 100},  {"1e2e3", 100},
        {"1e+-2", 1},   {"e5", 0},      {".e5", 0},     {"0e99999", 0},  {"1.5E+300", 1.5e300},
    };
    for (const auto& c : cases) {
        ExpectParses(c);
    }
}

TEST(ParseLeadingNumber, IgnoresBlanksTabsAndLineFeedsAnywhere) {
    const ParseCase cases[] = {
        {" 12 ", 12},   {"1 2 3", 123},  {"\t1\n2", 12},   {"- 5", -5},
        {"1 . 5", 1.5}, {"1 e 3", 1000}, {"1e - 2", 0.01}, {" & H 1 0", 16},
        {"1\r2", 1},    {"\r12", 0},     {"1\v2", 1},
    };
    for (const auto& c : cases) {
        ExpectParses(c);
    }
}

TEST(ParseLeadingNumber, ReadsHexadecimalAndOctalWholeNumbers) {
    const ParseCase cases[] = {
        {"&H1F", 31},  {"&h1f", 31}, {"&HFFFF", 65535}, {"&H", 0},    {"&HG", 0},   {"&H1G2", 1},
        {"&H1.5", 1},  {"&H-1", 0},  {"-&H10", 0},      {"&O17", 15}, {"&o17", 15}, {"&O8", 0},
        {"&O178", 15}, {"&", 0},     {"&X1", 0},        {"&17", 0},
    };
    for (const auto& c : cases) {
        ExpectParses(c);
    }
}

// The decimal conversion rounds correctly, also where the rounding is decided far out.
TEST(ParseLeadingNumber, RoundsToTheNearestDouble) {
    EXPECT_EQ(ParseLeadingNumber("2.2250738585072014e-308"), DBL_MIN);
    EXPECT_EQ(ParseLeadingNumber("1.7976931348623157e308"), DBL_MAX);
    EXPECT_EQ(ParseLeadingNumber("9007199254740993"), 9007199254740992.0);
    // The same halfway value nudged up by a digit beyond the 800th.
    const std::string nudged = "9007199254740993." + std::string(784, '0') + "1";
    EXPECT_EQ(ParseLeadingNumber(nudged), 9007199254740994.0);
    EXPECT_EQ(ParseLeadingNumber("0." + std::string(500, '0') + "1e501"), 1.0);
    EXPECT_EQ(ParseLeadingNumber("1" + std::string(300, '0')), 1e300);
}

// Out-of-range input must not crash; it gives values that every range check refuses.
TEST(ParseLeadingNumber, OverflowGivesInfinityAndUnderflowZero) {
    const double inf = HUGE_VAL;
    const ParseCase cases[] = {
        {"1e400", inf},         {"-1e400", -inf},
        {"1.8e308", inf},       {"1e99999999999999999999", inf},
        {"1e-400", 0},          {"-1e-99999999999999999999", 0},
        {"4.9e-324", 4.9e-324},
    };
    for (const auto& c : cases) {
        ExpectParses(c);
    }
    EXPECT_EQ(ParseLeadingNumber(std::string(1000, '9')), inf);
    EXPECT_EQ(ParseLeadingNumber("&H" + std::string(300, 'F')), inf);
    EXPECT_EQ(ParseLeadingNumber("." + std::string(100000, '0') + "1"), 0);
}

// Decimal comma locales must not change what a field reads or how numbers are written.
class GermanNumbers : public ::testing::Test {
protected:
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
    }

    static void ExpectPointEverywhere() {
        EXPECT_EQ(ParseLeadingNumber("1.5"), 1.5);
        EXPECT_EQ(ParseLeadingNumber("1,5"), 1);
        EXPECT_EQ(ParseLeadingNumber("2,5e3"), 2);
        EXPECT_EQ(NumberText(1.5f), " 1.5");
        EXPECT_EQ(NumberText(0.25), " .25");
        EXPECT_EQ(NumberText(1.5e20f), " 1.5E+20");
        EXPECT_EQ(FormatResult(1234.5, "0.00"), "1234.50");
        EXPECT_EQ(FormatResult(0.46, "####.0"), ".5");
    }
};

struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST_F(GermanNumbers, StreamLocale) {
    std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    ExpectPointEverywhere();
}

TEST_F(GermanNumbers, CLocale) {
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "de_DE@euro", "German"};
    for (const char* name : names) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            ASSERT_STREQ(std::localeconv()->decimal_point, ",");
            ExpectPointEverywhere();
            return;
        }
    }
    GTEST_SKIP() << "no German locale installed (localedef -i de_DE -f UTF-8 and LOCPATH)";
}

}  // namespace
}  // namespace fd9
