#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/Faults.h"
#include "model/GroundDirection.h"
#include "support/Geometry.h"

using namespace mduUmbravel;

namespace {

struct GroundRow {
    double alt, azi;  // degrees
    double Lh;        // every other dimension keeps its default
    std::string caseId;
    double mode1, mode2, mode3;
};

void PrintTo(const GroundRow& row, std::ostream* os) {
    *os << row.caseId << " at " << row.alt << "/" << row.azi;
}

// The fraction and case for angles in degrees.
GroundShading At(const ShadeGeometryRecord& g, double alt, double azi, std::int16_t mode) {
    return EvaluateGroundDirection(g, DegToRad(alt), DegToRad(azi), mode);
}

class GroundCaseTable : public ::testing::TestWithParam<GroundRow> {};

TEST_P(GroundCaseTable, EveryModeGivesTheTabulatedFractionAndCase) {
    const GroundRow& row = GetParam();
    const ShadeGeometryRecord g = GeometryOf(3, 2, 3, 4, row.Lh, 1);
    const double expected[] = {row.mode1, row.mode2, row.mode3};
    for (std::int16_t mode = 1; mode <= 3; ++mode) {
        const GroundShading s = At(g, row.alt, row.azi, mode);
        EXPECT_EQ(GroundCaseName[static_cast<std::size_t>(s.shadowCase)], row.caseId)
            << "mode " << mode;
        EXPECT_NEAR(s.usf, expected[mode - 1], 0.5e-5) << "mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(
    DefaultAndLoweredAwning, GroundCaseTable,
    ::testing::Values(GroundRow{-15, 20, 3, "CASE 6", 0.96393, 0.99586, 0.81739},
                      GroundRow{-15, 5, 3, "6A", 0.95173, 1, 0.95173},
                      GroundRow{-45, 55, 2, "CASE 7", 0.99999, 0.06945, -0.42815},
                      GroundRow{-85, 5, 3, "7A", 1, 0.91251, 0.91251},
                      GroundRow{-10, 50, 3, "8", 0.97524, 0.02476, 0}));

TEST(GroundDirection, FinResultsOfCase7AAreUnclampedAndMayBeNegative) {
    const GroundShading s = At(DefaultGeometry(), -80, 80, 2);
    EXPECT_EQ(s.shadowCase, GroundCase::Case7A);
    EXPECT_NEAR(s.usf, 1 - std::tan(DegToRad(80)), 1e-9);
    EXPECT_NEAR(s.usf, -4.67128, 0.5e-5);
}

TEST(GroundDirection, AwningBelowTheWindowStopsWithItsMessage) {
    try {
        At(GeometryOf(3, 2, 3, 4, -2, 1), -15, 20, 1);
        FAIL() << "no stop";
    } catch (const ProgramStop& stop) {
        EXPECT_STREQ(stop.what(), "AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW.");
    }
}

TEST(GroundDirection, BackEdgeExactlyAtTheWindowBottomIsAccepted) {
    EXPECT_NO_THROW(At(GeometryOf(3, 2, 3, 4, -1, 1), -15, 20, 1));
}

}  // namespace
