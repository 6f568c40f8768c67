#include "output/KWhText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The figure rounds the 15-digit form of the kWh, halves away from zero, so that 150 Wh reads
// 0.2 everywhere although 0.15 as a double lies just below the half.
TEST(KWhTextTest, OneDecimalOfTheKWhWithItsUnit) {
    const struct {
        double wh;
        std::string figure;
    } cases[] = {
        {0, "0.0"},    {49.9, "0.0"},       {50, "0.1"},           {150, "0.2"},
        {1250, "1.3"}, {123449.9, "123.4"}, {1234567.8, "1234.6"}, {987654321, "987654.3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KWhFigure(c.wh), c.figure) << c.wh;
        EXPECT_EQ(KWhText(c.wh), c.figure + " kWh/m2") << c.wh;
    }
}

}  // namespace
