#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cstring>
#include <limits>
#include <locale>
#include <optional>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(PatternTextTest, LaysOutEveryPatternOfTheReports) {
    const struct {
        double x;
        const char* pattern;
        std::string text;
    } cases[] = {
        {0.8432, "     0.000", "     0.843"},
        {1, "     0.000", "     1.000"},
        {12.857142857142858, " 000.0", " 012.9"},
        {0.00057, " 000.0", " 000.0"},
        {4.5, "00.00", "04.50"},
        {85.5, "00.0 deg", "85.5 deg"},
        {625, "####0", "625"},
        {0.123456, "0.#####", "0.12346"},
        // The point stays when no decimal remains; integer digits are never cut.
        {1, "0.#####", "1."},
        {0, "0.#####", "0."},
        {0.999995, "0.#####", "1."},
        {123.4, "00.0 deg", "123.4 deg"},
        {1e15, "####0", "1000000000000000"},
        {1e308, "0.#####", "1" + std::string(308, '0') + "."},
        // Rounding works on the 15-digit decimal form, halves away from zero.
        {1.0005, "     0.000", "     1.001"},
        {1.005, "00.00", "01.01"},
        {0.1234565, "0.######", "0.123457"},
        {2.5, "####0", "3"},
        {-2.5, "####0", "-3"},
        {0.4, "####0", "0"},
        {9.96, "    000.0", "    010.0"},
        {99999.99995, "0.######", "99999.99995"},
        {0.25, "#0.###", "0.25"},
        {1234.5678, "#0.###", "1234.568"},
        {0.5, "     0.#####", "     0.5"},
        {3.14159, "    0.000", "    3.142"},
        {45, "        0.000", "        45.000"},
        {7, " 000.0", " 007.0"},
        // A minus sign only for values that stay nonzero, directly before the digits.
        {-0.8432, "     0.000", "     -0.843"},
        {-0.0004, "     0.000", "     0.000"},
        {-0.0, "0.#####", "0."},
        {kInf, "     0.000", "     inf"},
        {-kInf, "00.0 deg", "-inf deg"},
        {kNaN, "0.#####", "nan"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PatternText(c.x, c.pattern), c.text) << c.x << " with \"" << c.pattern << '"';
    }
}

TEST(GeneralNumberFormTest, SignedPrintItemAndPlainForms) {
    const struct {
        double x;
        const char* signedText;
        const char* printItem;
        const char* plain;
    } cases[] = {
        {0.5, " .5", " 0.5 ", "0.5"},
        {-0.5, "-.5", "-0.5 ", "-0.5"},
        {3, " 3", " 3 ", "3"},
        {0, " 0", " 0 ", "0"},
        {-0.0, " 0", " 0 ", "0"},
        {20, " 20", " 20 ", "20"},
        {625, " 625", " 625 ", "625"},
        {100, " 100", " 100 ", "100"},
        {85.5, " 85.5", " 85.5 ", "85.5"},
        {0.0001, " .0001", " 0.0001 ", "0.0001"},
        {1.0 / 3, " .333333333333333", " 0.333333333333333 ", "0.333333333333333"},
        {12.857142857142858, " 12.8571428571429", " 12.8571428571429 ", "12.8571428571429"},
        {99999.99995, " 99999.99995", " 99999.99995 ", "99999.99995"},
        {123456789012345, " 123456789012345", " 123456789012345 ", "123456789012345"},
        // Exponent form below 1E-04 and above 1E+14, judged after rounding.
        {1e-5, " 1E-05", " 1E-05 ", "1E-05"},
        {-1.234e-5, "-1.234E-05", "-1.234E-05 ", "-1.234E-05"},
        {1.5e-7, " 1.5E-07", " 1.5E-07 ", "1.5E-07"},
        {1e15, " 1E+15", " 1E+15 ", "1E+15"},
        {999999999999999.9, " 1E+15", " 1E+15 ", "1E+15"},
        {1e308, " 1E+308", " 1E+308 ", "1E+308"},
        {-1e-308, "-1E-308", "-1E-308 ", "-1E-308"},
        {kInf, " inf", " inf ", "inf"},
        {-kInf, "-inf", "-inf ", "-inf"},
        {kNaN, " nan", " nan ", "nan"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignedNumberText(c.x), c.signedText) << c.x;
        EXPECT_EQ(PrintItemText(c.x), c.printItem) << c.x;
        EXPECT_EQ(PlainNumberText(c.x), c.plain) << c.x;
    }
}

TEST(ReadNumberTest, ReadsTheLongestLeadingNumber) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"3", 3},
        {" 3", 3},
        {"3 ", 3},
        {"3abc", 3},
        {"1 2", 12},
        {"1\t2\n3", 123},
        {"- 3", -3},
        {"", 0},
        {"x", 0},
        {"-", 0},
        {".", 0},
        {"--3", 0},
        {"\r3", 0},
        {"0.0001", 0.0001},
        {"2.5 m", 2.5},
        {"+7", 7},
        {".5", 0.5},
        {"5.", 5},
        {"1..5", 1},
        {"3,5", 3},
        {"1.5D2", 150},
        {"1.5e-2", 0.015},
        {"1E", 1},
        {"1E--5", 1},
        {"0x10", 0},
        {"1E999", std::numeric_limits<double>::infinity()},
        {"-1e999", -std::numeric_limits<double>::infinity()},
        {"1e-999", 0},
        {"1" + std::string(400, '0') + "e-400", 1},
        // Digit runs longer than any exponent cap once made the sign of the overflow wrong.
        {"1" + std::string(200000, '0') + "e-300000", 0},
        {"0." + std::string(200000, '0') + "1e300000", std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(StrictNumberTest, AcceptsOnlyAWholeDecimalNumber) {
    const std::optional<double> none;
    const struct {
        std::string text;
        bool strict;
        std::optional<double> value;
    } cases[] = {
        {"3", true, 3},
        {" -2.5 ", true, -2.5},
        {"+7", true, 7},
        {".5", true, 0.5},
        {"5.", true, 5},
        {"1.5e-2", true, 0.015},
        {"2E+3", true, 2000},
        {"0.1", true, 0.1},
        // Well formed, but beyond a double: refused as a value.
        {"1e999", true, none},
        {"1e-999", true, none},
        {"", false, none},
        {"   ", false, none},
        {"2.5 m", false, none},
        {"abc", false, none},
        {"-", false, none},
        {".", false, none},
        {"+-3", false, none},
        {"1..5", false, none},
        {"3,5", false, none},
        {"1e", false, none},
        {"1e+", false, none},
        {"1.5D2", false, none},
        {"0x10", false, none},
        {"inf", false, none},
        {"nan", false, none},
        {"\t3", false, none},
        {"3 4", false, none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsStrictNumber(c.text), c.strict) << '"' << c.text << '"';
        EXPECT_EQ(ReadStrictNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

// A comma for the point and a point between thousands, as many locales write numbers.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(RoundTripTextTest, ShortestTextThatReadsBackToTheSameBitsWhateverTheLocale) {
    const std::locale before = std::locale::global(std::locale(std::locale(), new CommaPoint));
    const std::string beforeC = std::setlocale(LC_ALL, nullptr);
    // Where the machine has a comma locale, the C library's numbers take it too.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const struct {
        double x;
        std::string text;
    } cases[] = {
        {0.1 + 0.2, "0.30000000000000004"},
        {4.4, "4.4"},
        {0.1 + 0.7, "0.7999999999999999"},
        {1.0 / 3, "0.3333333333333333"},
        {std::numeric_limits<double>::denorm_min(), "5e-324"},
        {std::numeric_limits<double>::min(), "2.2250738585072014e-308"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {-std::numeric_limits<double>::max(), "-1.7976931348623157e+308"},
        {0.5, "0.5"},
        {2, "2"},
        {1e-300, "1e-300"},
        {1234567.25, "1234567.25"},
        {1e22, "1e+22"},
        {-0.0, "-0"},
    };
    for (const auto& c : cases) {
        const std::string text = RoundTripText(c.x);
        EXPECT_EQ(text, c.text);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(std::memcmp(&back, &c.x, sizeof back), 0) << text;
        std::string appended = "x,";
        AppendRoundTripText(appended, c.x);
        EXPECT_EQ(appended, "x," + c.text);
    }
    std::locale::global(before);
    std::setlocale(LC_ALL, beforeC.c_str());
}

}  // namespace
