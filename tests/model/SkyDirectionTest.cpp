#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"
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

void Store(const Dimensions& d) {
    StoreGeometry(d.L, d.W, d.WP, d.H, d.Lh, d.LhP);
}

class SkyCaseTable : public ::testing::TestWithParam<SkyRow> {};

TEST_P(SkyCaseTable, EveryModeGivesTheTabulatedFractionAndCase) {
    const SkyRow& row = GetParam();
    Store(row.dims);
    const double expected[] = {row.mode1, row.mode2, row.mode3};
    for (std::int16_t mode = 1; mode <= 3; ++mode) {
        const double usf = SkyDirectionUSF(DegToRad(row.alt), DegToRad(row.azi), mode);
        EXPECT_EQ(std::string(CaseID), row.caseId) << "mode " << mode;
        EXPECT_NEAR(usf, expected[mode - 1], 0.5e-5) << "mode " << mode;
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
    StoreDefaultGeometry();
    EXPECT_EQ(SkyDirectionUSF(DegToRad(30), DegToRad(0.0001), 2), 1.0);
    EXPECT_EQ(SkyDirectionUSF(DegToRad(10), DegToRad(-80), 1), 0.0);
    EXPECT_EQ(SkyDirectionUSF(DegToRad(10), DegToRad(-80), 2), 1.0);
}

TEST(SkyDirection, ModesOtherThanOneAndTwoMeanAwningAndFins) {
    StoreDefaultGeometry();
    const double both = SkyDirectionUSF(DegToRad(30), DegToRad(30), 3);
    EXPECT_EQ(SkyDirectionUSF(DegToRad(30), DegToRad(30), 0), both);
    EXPECT_EQ(SkyDirectionUSF(DegToRad(30), DegToRad(30), 7), both);
}

TEST(SkyDirection, AzimuthOfNinetyDegreesCompletesAsCase3) {
    StoreDefaultGeometry();
    const double usf = SkyDirectionUSF(DegToRad(30), DegToRad(90), 1);
    EXPECT_EQ(std::string(CaseID), "CASE 3");
    EXPECT_NEAR(usf, 0.703125, 1e-12);
}

// A flat overhang at the horizon makes the side-edge denominators zero; IEEE arithmetic and
// the case tests as written must still find the right case.
TEST(SkyDirection, FlatOverhangAtTheHorizon) {
    StoreGeometry(3, 2, 3, 4, 3, 0);
    EXPECT_EQ(SkyDirectionUSF(0, DegToRad(20), 1), 0.75);
    EXPECT_EQ(std::string(CaseID), "CASE 1");
    EXPECT_EQ(SkyDirectionUSF(0, DegToRad(50), 1), 0.75);
    EXPECT_EQ(std::string(CaseID), "CASE 3");
}

TEST(SkyDirection, EachCallCountsItsCaseOnce) {
    StoreDefaultGeometry();
    SkyCaseCount.fill(0);
    GroundCaseCount.fill(0);
    SkyDirectionUSF(DegToRad(30), DegToRad(0.0001), 1);
    SkyDirectionUSF(DegToRad(30), DegToRad(0.0001), 2);
    SkyDirectionUSF(DegToRad(0), DegToRad(50), 3);
    const std::array<int, 10> expected{0, 2, 0, 0, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(SkyCaseCount, expected);
    EXPECT_EQ(GroundCaseCount, (std::array<int, 6>{}));
}

TEST(SkyDirection, NoneIsCountedInItsOwnCounter) {
    StoreGeometry(3, 2, 3, 4, 4, 1);
    SkyCaseCount.fill(0);
    EXPECT_EQ(SkyDirectionUSF(0, DegToRad(10), 1), 0);
    EXPECT_EQ(SkyCaseCount[9], 1);
}

TEST(SkyDirection, PureEvaluationLeavesProgramStateAlone) {
    StoreDefaultGeometry();
    SkyCaseCount.fill(0);
    CaseID = "before";
    const SkyShading s = EvaluateSkyDirection(ShadeGeometry, DegToRad(30), DegToRad(30), 1);
    EXPECT_EQ(s.shadowCase, SkyCase::Case1);
    EXPECT_EQ(CaseID, "before");
    EXPECT_EQ(SkyCaseCount, (std::array<int, 10>{}));
}

}  // namespace
