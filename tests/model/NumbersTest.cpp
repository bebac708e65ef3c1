#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <locale>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

#include "model/DecimalText.h"
#include "model/NumberText.h"
#include "model/ParseLeadingNumber.h"
#include "model/ResultFormat.h"
#include "model/WholeNumber.h"

namespace fd9 {
namespace {

const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

// printf's %G follows the same exponent rule; only the leading zero and the blank differ.
template <typename Real>
std::string PrintfText(Real value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, static_cast<double>(value));
    std::string text = buffer[0] == '-' ? buffer : " " + std::string(buffer);
    return text.compare(1, 2, "0.") == 0 ? text.erase(1, 1) : text;
}

TEST(NumberText, AgreesWithPrintfOnRandomBitPatterns) {
    std::mt19937_64 random(20261206);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        const double d = std::bit_cast<double>(bits);
        if (std::isfinite(f) && f != 0) {
            ASSERT_EQ(NumberText(f), PrintfText(f, 7)) << std::hexfloat << f;
        }
        if (std::isfinite(d) && d != 0) {
            ASSERT_EQ(NumberText(d), PrintfText(d, 15)) << std::hexfloat << d;
        }
    }
}

TEST(NumberText, WholeNumbersAndTheFileFormDropOnlyTheBlank) {
    // What the comparison with printf leaves out: zero of either sign, NaN and the infinities.
    EXPECT_EQ(NumberText(0.0f) + NumberText(-0.0f) + NumberText(float(NaN)) + NumberText(-Inf),
              " 0 0 NAN-INF");
    EXPECT_EQ(NumberText(60) + NumberText(0), " 60 0");
    EXPECT_EQ(NumberText(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(NumberText(12345678LL), " 12345678");
    EXPECT_EQ(NumberText(LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(FileNumberText(0.4f) + FileNumberText(-0.4f) + FileNumberText(0.04f), ".4-.4.04");
    EXPECT_EQ(FileNumberText(1000.0f) + "," + FileNumberText(0.0f), "1000,0");
    EXPECT_EQ(FileNumberText(1e20f) + "," + FileNumberText(0.5), "1E+20,.5");
    EXPECT_EQ(FileNumberText(60) + FileNumberText(-60) + FileNumberText(0), "60-600");
}

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStart) {
    // clang-format off
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0}, {"abc", 0}, {"007", 7}, {"12abc", 12}, {"1,5", 1}, {"+5", 5}, {"-5", -5},
        {"--5", 0}, {"+-5", 0}, {"-", 0}, {"-0", 0}, {"-.5", -0.5}, {"5.", 5}, {"1.2.3", 1.2},
        {".", 0}, {"-.", 0}, {"32.6", 32.6}, {"1E3", 1000}, {"1d3", 1000}, {"1D-2", 0.01},
        {"2.5E+2", 250}, {"1e", 1}, {"1e+", 1},
        {"2.5e-", 2.5}, {"1e2.5", 100}, {"1e2e3", 100}, {"1e+-2", 1}, {"e5", 0}, {".e5", 0},
        {"0e99999", 0},
        // Blanks, tabs and line feeds count nowhere; other control characters stop.
        {" 1 2 3 ", 123}, {"\t1\n2", 12}, {"- 5", -5}, {"1 . 5", 1.5}, {"1e - 2", 0.01},
        {"1\r2", 1}, {"\r12", 0}, {"&H1F", 31}, {"&h1f", 31}, {"&HFFFF", 65535}, {" & H 1 0", 16},
        {"&H", 0}, {"&HG", 0}, {"&H1G2", 1}, {"&H-1", 0}, {"-&H10", 0}, {"&o17", 15}, {"&O8", 0},
        {"&O178", 15}, {"&", 0}, {"&X1", 0}, {"&17", 0},
        // Rounded to the nearest double; out of range without undefined behaviour, and to
        // values every range check refuses.
        {"2.2250738585072014e-308", DBL_MIN}, {"1.7976931348623157e308", DBL_MAX},
        {"9007199254740993", 9007199254740992.0}, {"1e400", Inf}, {"-1.8e308", -Inf},
        {"1e99999999999999999999", Inf}, {"1e-400", 0}, {"-1e-99999999999999999999", 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const double value = ParseLeadingNumber(c.text);
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        EXPECT_FALSE(value == 0 && std::signbit(value)) << '"' << c.text << '"';
    }
}

// A comma right after the digits is a slip the field refuses; other trailing text is not.
TEST(ParseLeadingNumber, CommaStraightAfterTheDigits) {
    for (const char* text : {"6,5", " 6 ,5", "1,000", "-2.5,1", "1e3,5"}) {
        EXPECT_TRUE(StopsAtDecimalComma(text)) << text;
    }
    for (const char* text : {"6.5", "450abc", ",5", "6.,5", "1e,5", "&H1,5", "", "-,5"}) {
        EXPECT_FALSE(StopsAtDecimalComma(text)) << text;
    }
}

TEST(ParseLeadingNumber, LongTextsRoundCorrectlyOrSaturate) {
    // The halfway value above, nudged up by a digit beyond the 800th.
    EXPECT_EQ(ParseLeadingNumber("9007199254740993." + std::string(784, '0') + "1"),
              9007199254740994.0);
    EXPECT_EQ(ParseLeadingNumber("0." + std::string(500, '0') + "1e501"), 1.0);
    EXPECT_EQ(ParseLeadingNumber("." + std::string(200000, '0') + "25e200001"), 2.5);
    EXPECT_EQ(ParseLeadingNumber("1" + std::string(300, '0')), 1e300);
    EXPECT_EQ(ParseLeadingNumber(std::string(1000, '9')), Inf);
    EXPECT_EQ(ParseLeadingNumber("&H" + std::string(300, 'F')), Inf);
    EXPECT_EQ(ParseLeadingNumber("." + std::string(100000, '0') + "1"), 0);
}

struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

// A decimal comma in the stream or the C locale changes no number read or written.
TEST(DecimalCommaLocale, StreamThenGermanCLocaleChangeNothing) {
    const auto expectPoint = [] {
        EXPECT_EQ(ParseLeadingNumber("1.5"), 1.5);
        EXPECT_EQ(ParseLeadingNumber("2,5e3"), 2);
        EXPECT_EQ(NumberText(1.5f) + NumberText(0.25), " 1.5 .25");
        EXPECT_EQ(FormatResult(1234.5, "0.00"), "1234.50");
    };
    std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    expectPoint();
    // Few machines install a German locale; the system's locale sources can build one.
    char dir[] = "/tmp/fd9-locale-XXXXXX";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && mkdtemp(dir) != nullptr) {
        const std::string command =
            "localedef -i de_DE -f UTF-8 " + std::string(dir) + "/de_DE.UTF-8 >/dev/null 2>&1";
        [[maybe_unused]] const int status = std::system(command.c_str());
        setenv("LOCPATH", dir, 1);
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }
    const bool german = std::string(std::localeconv()->decimal_point) == ",";
    if (german) {
        expectPoint();
    }
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
    unsetenv("LOCPATH");
    std::filesystem::remove_all(dir);
    if (!german) {
        GTEST_SKIP() << "no German locale and no locale sources to build one";
    }
}

TEST(ParseDecimal, TakesPlainDecimalNotationOnly) {
    using enum DecimalStatus;
    constexpr auto E = ExponentLetters::E;
    const struct {
        const char* text;
        ExponentLetters letters;
        DecimalStatus status;
        double value;
    } cases[] = {{"12.5", E, Read, 12.5},     {"-7.", E, Read, -7},
                 {"1e+3", E, Read, 1000},     {"1D-2", ExponentLetters::EOrD, Read, 0.01},
                 {"1D-2", E, NotDecimal, 0},  {"inf", E, NotDecimal, 0},
                 {"0x1p3", E, NotDecimal, 0}, {".", E, NotDecimal, 0},
                 {"1e", E, NotDecimal, 0},    {" 1", E, NotDecimal, 0},
                 {"1,5", E, NotDecimal, 0},   {"1e-400", E, TooSmall, 0},
                 {"1e400", E, TooLarge, 0},   {"1000e-50000000000000", E, TooSmall, 0}};
    for (const auto& c : cases) {
        const Decimal<double> parsed = ParseDecimal<double>(c.text, c.letters);
        EXPECT_EQ(parsed.status, c.status) << c.text;
        if (c.status == Read) {
            EXPECT_EQ(parsed.value, c.value) << c.text;
        }
    }
    // Too small without an exponent too: the place of the first digit decides.
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(ParseDecimal<double>(tiny, E).status, TooSmall);
    // Rounded once, straight to float: no double rounding on the way.
    EXPECT_EQ(ParseDecimal<float>("1e-50", E).status, TooSmall);
    EXPECT_EQ(ParseDecimal<float>("0.1", E).value, 0.1f);
}

TEST(RoundToInt16, HalvesToEvenAndEmptyOutsideSixteenBits) {
    const std::optional<std::int16_t> none;
    // clang-format off
    const struct {
        double value;
        std::optional<std::int16_t> rounded;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {0.6, 1}, {-0.6, -1},
        {0.49999999999999994, 0}, {1e-300, 0}, {32767.4, 32767}, {32767.5, none}, {32768.0, none},
        {-32768.5, -32768}, {-32768.6, none}, {-32769.5, none}, {4503599627370495.5, none},
        {Inf, none}, {-Inf, none}, {NaN, none},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << c.value;
    }
}

TEST(FormatResult, RoundsHalfAwayFromZeroOnTheDecimalForm) {
    // clang-format off
    const struct {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {12.34, "####.0", "12.3"}, {-0.25, "####.0", "-.3"}, {0.05f, "####.0", ".1"},
        {99999.96, "####.0", "100000.0"}, {1.005, "###0.00", "1.01"},
        {2.675f, "###0.00", "2.67"},  // the float nearest 2.675 lies below it
        {-0.005, "0.00", "-0.01"}, {2.0005, "0.000", "2.001"}, {0.0004, "0.000", "0.000"},
        // Below one: "#" patterns show no digit before the point, "0" patterns do.
        {-0.46, "####.0", "-.5"}, {0.0, "####.0", ".0"}, {-0.5, "####.00", "-.50"},
        {-0.46, "###0.00", "-0.46"}, {0.0, "###0.00", "0.00"}, {1e-20, "0.000", "0.000"},
        // Rounded to zero, a negative value shows no minus sign.
        {-0.04, "####.0", ".0"}, {-0.04, "0.0", "0.0"}, {-0.0, "0.000", "0.000"},
        // More digits than the pattern has places; beyond 15 significant digits, zeros.
        {1234567.89, "####.0", "1234567.9"}, {123456.7, "#####.0", "123456.7"},
        {1e20, "####.0", "100000000000000000000.0"},
        {123456789012345678.0, "0.0", "123456789012346000.0"}, {Inf, "####.0", "INF"},
        {-Inf, "0.00", "-INF"}, {NaN, "0.0", "NAN"},
        // "#" decimals show only when they are not a trailing zero.
        {2.5, "0.0#", "2.5"}, {2.25, "0.0#", "2.25"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(FormatResult(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
    EXPECT_THROW(FormatResult(1.0, "#,##0.0"), std::invalid_argument);
}

}  // namespace
}  // namespace fd9
