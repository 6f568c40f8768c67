#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/Faults.h"
#include "model/DirectionGrid.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "support/Geometry.h"

using namespace mduUmbravel;

namespace {

struct Direction {
    double alt, azi;
};

std::vector<Direction> Record(int steps, int firstRow, double rowStep) {
    std::vector<Direction> calls;
    SumOverDirections(steps, steps, 1, firstRow, rowStep,
                      [&](double alt, double azi, std::int16_t) {
                          calls.push_back({alt, azi});
                          return 1.0;
                      });
    return calls;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(DirectionGrid, TwentyStepsVisitTheDocumentedDirectionsRowByRow) {
    const double toRad = 3.14159265358979 / 180;

    const auto sky = Record(20, 1, 90.0 / 20);
    ASSERT_EQ(sky.size(), 400u);
    EXPECT_EQ(sky.front().alt, 0);
    EXPECT_EQ(sky.front().azi, 0.00001);
    EXPECT_EQ(sky[1].azi, 4.5 * toRad);
    EXPECT_EQ(sky[20].alt, 4.5 * toRad);  // the second row starts after twenty columns
    EXPECT_EQ(sky.back().alt, (4.5 * 19) * toRad);
    EXPECT_EQ(sky.back().azi, (4.5 * 19) * toRad);

    const auto ground = Record(20, 2, -(90.0 / 20));
    ASSERT_EQ(ground.size(), 380u);
    EXPECT_EQ(ground.front().alt, -4.5 * toRad);
    EXPECT_EQ(ground.front().azi, 0.00001);
    EXPECT_EQ(ground.back().alt, (-4.5 * 19) * toRad);
    EXPECT_EQ(ground.back().azi, (4.5 * 19) * toRad);
}

TEST(DirectionGrid, ConstantFractionsAverageToThemselvesExactly) {
    const auto ones =
        SumOverDirections(20, 20, 1, 1, 4.5, [](double, double, std::int16_t) { return 1.0; });
    EXPECT_EQ(ones.usf / ones.weight, 1.0);
    const auto zeros =
        SumOverDirections(20, 20, 1, 2, -4.5, [](double, double, std::int16_t) { return 0.0; });
    EXPECT_EQ(zeros.usf / zeros.weight, 0.0);
}

// Grids small enough to work out the weighted mean by hand from the weight of a direction,
// cos^2(altitude) x sin(azimuth). Lighting one whole row leaves only the cosines, one whole
// column only the sines.
struct SmallGrid {
    std::int16_t steps;
    bool ground;
    double litAlt, litAzi;  // degrees of the lit row or column; NaN lights all
    double mean;
};

TEST(DirectionGrid, SmallGridsGiveTheirWeightedMeansWorkedOutByHand) {
    const double all = std::nan("");
    const SmallGrid grids[] = {
        // Rows 0 and 45 degrees: 1 / (1 + cos^2 45).
        {2, false, 0, all, 2.0 / 3},
        // Columns 0.00001 rad and 45 degrees: sin 45 / (sin 0.00001 + sin 45).
        {2, false, all, 45, 0.9999858580643736},
        // Rows -30 and -60 degrees: cos^2 30 / (cos^2 30 + cos^2 60).
        {3, true, -30, all, 0.75},
        // Columns 0.00001 rad, 30 and 60 degrees: sin 60 / (sin 0.00001 + sin 30 + sin 60).
        {3, true, all, 60, 0.6339699552333844},
    };
    const auto at = [](double angle, double degrees) {
        return std::isnan(degrees) || std::fabs(angle - degrees * 3.14159265358979 / 180) < 1e-9;
    };
    for (const SmallGrid& grid : grids) {
        const double step = 90.0 / grid.steps;
        const WeightedSums sums = SumOverDirections(
            grid.steps, grid.steps, 1, grid.ground ? 2 : 1, grid.ground ? -step : step,
            [&](double alt, double azi, std::int16_t) {
                return at(alt, grid.litAlt) && at(azi, grid.litAzi) ? 1.0 : 0.0;
            });
        EXPECT_NEAR(sums.usf / sums.weight, grid.mean, 1e-13)
            << grid.steps << " steps, lit " << grid.litAlt << "/" << grid.litAzi;
    }
}

// Results and case counts of the default geometry worked out apart from the program, from the
// case tables of the two shading procedures, the direction grid and the weights.
struct PinnedRun {
    std::int16_t steps, mode;
    double sky, ground;
};

TEST(DiffuseRun, DefaultGeometryGivesTheFractionsWorkedOutApart) {
    const ShadeGeometryRecord g = DefaultGeometry();
    const PinnedRun runs[] = {
        {20, 1, 0.5651657899074838, 0.987697418248418},
        {20, 2, 0.49929321345777816, -1.81820842901943},
        {20, 3, 0.06445900336526167, -1.8730304848796577},
        {25, 1, 0.5632010267864815, 0.9868528381172432},
        {25, 2, 0.5005716686119784, -2.0141645078727843},
        {25, 3, 0.0637726953984604, -2.06536746195028},
    };
    for (const PinnedRun& run : runs) {
        const DiffuseShading d = EvaluateDiffuse(g, run.mode, run.steps);
        EXPECT_NEAR(d.skyUSF, run.sky, 1e-13) << run.steps << " steps, mode " << run.mode;
        EXPECT_NEAR(d.groundUSF, run.ground, 1e-13) << run.steps << " steps, mode " << run.mode;
        EXPECT_EQ(d.steps, run.steps);
    }
    const DiffuseShading d = EvaluateDiffuse(g, 1, 20);
    EXPECT_EQ(d.skyCaseCount, (std::array<int, 10>{55, 50, 83, 114, 98, 0, 0, 0, 0, 0}));
    EXPECT_EQ(d.groundCaseCount, (std::array<int, 6>{17, 18, 0, 336, 9, 0}));
}

TEST(DiffuseRun, RepeatedRunsAreBitIdentical) {
    const ShadeGeometryRecord g = GeometryOf(2, 3, 1.5, 4, 1, 0.5);
    for (std::int16_t mode = 1; mode <= 3; ++mode) {
        const DiffuseShading first = EvaluateDiffuse(g, mode, 20);
        const DiffuseShading second = EvaluateDiffuse(g, mode, 20);
        EXPECT_TRUE(SameBits(first.skyUSF, second.skyUSF)) << "mode " << mode;
        EXPECT_TRUE(SameBits(first.groundUSF, second.groundUSF)) << "mode " << mode;
        EXPECT_EQ(first.skyCaseCount, second.skyCaseCount);
    }
}

TEST(DiffuseRun, FlatOverhangYieldsFiniteFractions) {
    const DiffuseShading d = EvaluateDiffuse(GeometryOf(3, 2, 3, 4, 3, 0), 3, 20);
    EXPECT_TRUE(std::isfinite(d.skyUSF));
    EXPECT_TRUE(std::isfinite(d.groundUSF));
}

TEST(DiffuseRun, AwningBelowTheWindowStops) {
    EXPECT_THROW(EvaluateDiffuse(GeometryOf(3, 2, 3, 4, -2, 1), 1, 20), ProgramStop);
}

}  // namespace
