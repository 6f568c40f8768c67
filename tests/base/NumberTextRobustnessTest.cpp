#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr const char* kPatterns[] = {
    "0.#####", " 000.0", "#0.###",       "    000.0",  "0.######",  "00.0 deg",
    "00.00",   "####0",  "     0.#####", "     0.000", "    0.000", "        0.000",
};

std::vector<double> SpecialAndRandomValues() {
    std::vector<double> values = {
        0,
        -0.0,
        std::numeric_limits<double>::denorm_min(),
        1e308,
        -1e-308,
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
        1e15,
        1e-5,
        99999.99995,
        DBL_MAX,
        -DBL_MAX,
        DBL_MIN,
        0.5,
        -0.49999999999999994,
    };
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(std::bit_cast<double>(random()));
    }
    return values;
}

TEST(NumberTextRobustnessTest, EveryFormWritesBoundedTextForAnyDouble) {
    for (const double x : SpecialAndRandomValues()) {
        std::vector<std::string> texts = {SignedNumberText(x), PrintItemText(x),
                                          PlainNumberText(x)};
        for (const char* pattern : kPatterns) {
            texts.push_back(PatternText(x, pattern));
        }
        for (const std::string& text : texts) {
            EXPECT_FALSE(text.empty()) << x;
            EXPECT_LE(text.size(), 400u) << x;
        }
        // The general form keeps 15 significant digits of every normal value (those near DBL_MAX
        // round up beyond it).
        if (std::isnormal(x) && std::fabs(x) < 1e308) {
            EXPECT_NEAR(ReadNumber(PlainNumberText(x)), x, std::fabs(x) * 5e-15) << x;
        }
    }
}

TEST(NumberTextRobustnessTest, ReadNumberTakesAnyBytes) {
    const std::string numberish = "0123456789+-.eEdD \t\n";
    std::mt19937 random(1362);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            const int b = byte(random);
            text += b < 160 ? numberish[b % numberish.size()] : static_cast<char>(b);
        }
        EXPECT_FALSE(std::isnan(ReadNumber(text))) << text;
    }
}

}  // namespace
