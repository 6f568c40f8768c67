#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/SkyDirection.h"
#include "support/Geometry.h"

using namespace mduUmbravel;

namespace {

struct Dimensions {
    double L = 3, W = 2, WP = 3, H = 4, Lh = 3, LhP = 1;
};

struct SkyRow {
    double alt, azi;  // degrees
    Dimensions dims;
    std::string caseId;
    double mode1, mode2, mode3;
};

void PrintTo(const SkyRow& row, std::ostream* os) {
    *os << row.caseId << " at " << row.alt << "/" << row.azi;
}

ShadeGeometryRecord Ratios(const Dimensions& d) {
    return GeometryOf(d.L, d.W, d.WP, d.H, d.Lh, d.LhP);
}

// The fraction and case for angles in degrees.
SkyShading At(const ShadeGeometryRecord& g, double alt, double azi, std::int16_t mode) {
    return EvaluateSkyDirection(g, DegToRad(alt), DegToRad(azi), mode);
}

std::string NameOf(SkyCase c) {
    return std::string(SkyCaseName[static_cast<std::size_t>(c)]);
}

class SkyCaseTable : public ::testing::TestWithParam<SkyRow> {};

TEST_P(SkyCaseTable, EveryModeGivesTheTabulatedFractionAndCase) {
    const SkyRow& row = GetParam();
    const double expected[] = {row.mode1, row.mode2, row.mode3};
    for (std::int16_t mode = 1; mode <= 3; ++mode) {
        const SkyShading s = At(Ratios(row.dims), row.alt, row.azi, mode);
        EXPECT_EQ(NameOf(s.shadowCase), row.caseId) << "mode " << mode;
        EXPECT_NEAR(s.usf, expected[mode - 1], 0.5e-5) << "mode " << mode;
    }
}

const Dimensions Defaults{};
const Dimensions NarrowAwning{3, 2, 2, 4, 3, 1};
const Dimensions HighNarrowAwning{3, 2, 2, 4, 5, 1};
const Dimensions FrontAtWindowTop{3, 2, 3, 4, 4, 1};

INSTANTIATE_TEST_SUITE_P(
    DefaultAndVariedGeometries, SkyCaseTable,
    ::testing::Values(SkyRow{30, 0.0001, Defaults, "CASE 1A", 0.31699, 1, 0.31699},
                      SkyRow{30, 30, Defaults, "CASE 1", 0.30801, 0.85048, 0.15849},
                      SkyRow{0, 20, Defaults, "CASE 1", 0.75048, 0.96505, 0.71553},
                      SkyRow{40, 35, Defaults, "CASE 2", 0.13692, 0.86308, 0},
                      SkyRow{10, -80, Defaults, "CASE 2A", 0, 1, 0},
                      SkyRow{0, 50, Defaults, "CASE 3", 0.86015, 0.13985, 0},
                      SkyRow{45, 5, NarrowAwning, "CASE 4A", 0.06543, 0.93457, 0},
                      SkyRow{0, 5, NarrowAwning, "CASE 4B", 0.76640, 0.88517, 0.65158},
                      SkyRow{5, 45, NarrowAwning, "CASE 4C", 0.88573, 0.11427, 0},
                      SkyRow{0, -80, HighNarrowAwning, "CASE 5", 1, 0, 0},
                      SkyRow{0, 10, FrontAtWindowTop, "NONE", 0, 0, 0}));

TEST(SkyDirection, ConstantResultsAreExact) {
    const ShadeGeometryRecord g = DefaultGeometry();
    EXPECT_EQ(At(g, 30, 0.0001, 2).usf, 1.0);
    EXPECT_EQ(At(g, 10, -80, 1).usf, 0.0);
    EXPECT_EQ(At(g, 10, -80, 2).usf, 1.0);
}

TEST(SkyDirection, ModesOtherThanOneAndTwoMeanAwningAndFins) {
    const ShadeGeometryRecord g = DefaultGeometry();
    const double both = At(g, 30, 30, 3).usf;
    EXPECT_EQ(At(g, 30, 30, 0).usf, both);
    EXPECT_EQ(At(g, 30, 30, 7).usf, both);
}

TEST(SkyDirection, AzimuthOfNinetyDegreesCompletesAsCase3) {
    const SkyShading s = At(DefaultGeometry(), 30, 90, 1);
    EXPECT_EQ(s.shadowCase, SkyCase::Case3);
    EXPECT_NEAR(s.usf, 0.703125, 1e-12);
}

// A flat overhang at the horizon makes the side-edge denominators zero; IEEE arithmetic and
// the case tests as written must still find the right case.
TEST(SkyDirection, FlatOverhangAtTheHorizon) {
    const ShadeGeometryRecord g = GeometryOf(3, 2, 3, 4, 3, 0);
    EXPECT_EQ(At(g, 0, 20, 1).usf, 0.75);
    EXPECT_EQ(At(g, 0, 20, 1).shadowCase, SkyCase::Case1);
    EXPECT_EQ(At(g, 0, 50, 1).usf, 0.75);
    EXPECT_EQ(At(g, 0, 50, 1).shadowCase, SkyCase::Case3);
}

TEST(SkyDirection, NoneHasItsOwnCase) {
    const SkyShading s = At(GeometryOf(3, 2, 3, 4, 4, 1), 0, 10, 1);
    EXPECT_EQ(s.usf, 0);
    EXPECT_EQ(s.shadowCase, SkyCase::None);
}

}  // namespace
