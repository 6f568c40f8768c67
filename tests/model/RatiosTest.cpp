#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/ShadeGeometry.h"
#include "support/Geometry.h"

using namespace mduUmbravel;

TEST(Ratios, DefaultGeometryGivesTheDocumentedRatios) {
    const ShadeGeometryRecord g = DefaultGeometry();
    EXPECT_EQ(g.DelW, 1);
    EXPECT_EQ(g.B, 0.75);
    EXPECT_EQ(g.C, 0.75);
    EXPECT_EQ(g.D, 1.5);
    EXPECT_EQ(g.E, 0.25);
    EXPECT_EQ(g.F, 0.5);
    EXPECT_EQ(g.G, 0.25);
    EXPECT_EQ(g.R, 1.0 / 3);
}

TEST(Ratios, AwningAsWideAsTheWindowPutsTheFinOnTheWindowEdge) {
    const ShadeGeometryRecord g = GeometryOf(3, 2, 2, 4, 3, 1);
    EXPECT_EQ(g.F, 0);
    EXPECT_EQ(g.G, 0);
    EXPECT_EQ(g.R, 0);
}

TEST(Ratios, RatiosFollowTheStoredDelWNotARecomputedDifference) {
    ShadeGeometryRecord g;
    g.L = 3, g.W = 2, g.WP = 3, g.H = 4, g.Lh = 3, g.LhP = 0, g.DelW = 2.2;
    g = WithRatios(g);
    EXPECT_EQ(g.F, 2.2 / 2);
    EXPECT_EQ(g.G, 2.2 / 4);
    EXPECT_EQ(g.R, 2.2 / 3);
    EXPECT_EQ(g.E, 0);
}

TEST(Ratios, ZeroWindowHeightGivesInfiniteRatiosWithoutTrapping) {
    const ShadeGeometryRecord g = GeometryOf(3, 2, 3, 0, 3, 1);
    EXPECT_TRUE(std::isinf(g.B));
    EXPECT_TRUE(std::isinf(g.C));
}

TEST(DegToRad, UsesTheFifteenDigitPiAndMultipliesFirst) {
    EXPECT_EQ(DegToRad(30), (30 * 3.14159265358979) / 180);
    EXPECT_NE(DegToRad(30), 30 * std::numbers::pi / 180);
    EXPECT_EQ(DegToRad(0.0001), (0.0001 * 3.14159265358979) / 180);
    EXPECT_EQ(RadToDeg, 180 / 3.14159265358979);
}
