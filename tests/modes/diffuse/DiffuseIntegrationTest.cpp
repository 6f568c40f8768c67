#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numeric>
#include <vector>

#include "base/Faults.h"
#include "model/mduUmbravel.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/diffuse/DirectionGrid.h"
#include "support/Geometry.h"

using namespace mduUmbravel;

namespace {

struct Direction {
    double alt, azi;
};

std::vector<Direction> Record(int firstRow, double rowStep) {
    std::vector<Direction> calls;
    SumOverDirections(firstRow, rowStep, [&](double alt, double azi, std::int16_t) {
        calls.push_back({alt, azi});
        return 1.0;
    });
    return calls;
}

void RunDiffuse(std::int16_t steps) {
    SetDiffuseGrid(steps);
    ResetDiffuseRun();
    IntegrateSkyDiffuse();
    IntegrateGroundDiffuse();
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(DirectionGrid, TwentyStepsVisitTheDocumentedDirectionsRowByRow) {
    SetDiffuseGrid(20);
    const double toRad = 3.14159265358979 / 180;

    const auto sky = Record(1, 90.0 / 20);
    ASSERT_EQ(sky.size(), 400u);
    EXPECT_EQ(sky.front().alt, 0);
    EXPECT_EQ(sky.front().azi, 0.00001);
    EXPECT_EQ(sky[1].azi, 4.5 * toRad);
    EXPECT_EQ(sky[20].alt, 4.5 * toRad);  // the second row starts after twenty columns
    EXPECT_EQ(sky.back().alt, (4.5 * 19) * toRad);
    EXPECT_EQ(sky.back().azi, (4.5 * 19) * toRad);

    const auto ground = Record(2, -(90.0 / 20));
    ASSERT_EQ(ground.size(), 380u);
    EXPECT_EQ(ground.front().alt, -4.5 * toRad);
    EXPECT_EQ(ground.front().azi, 0.00001);
    EXPECT_EQ(ground.back().alt, (-4.5 * 19) * toRad);
    EXPECT_EQ(ground.back().azi, (4.5 * 19) * toRad);
}

TEST(DirectionGrid, ConstantFractionsAverageToThemselvesExactly) {
    SetDiffuseGrid(20);
    const auto ones = SumOverDirections(1, 4.5, [](double, double, std::int16_t) { return 1.0; });
    EXPECT_EQ(ones.usf / ones.weight, 1.0);
    const auto zeros = SumOverDirections(2, -4.5, [](double, double, std::int16_t) { return 0.0; });
    EXPECT_EQ(zeros.usf / zeros.weight, 0.0);
}

TEST(DirectionGrid, HorizonDirectionFarthestFromTheNormalWeighsMost) {
    SetDiffuseGrid(20);
    double largest = 0, altAtLargest = -1, aziAtLargest = -1;
    SumOverDirections(1, 4.5, [&](double alt, double azi, std::int16_t) {
        const double w = std::pow(std::cos(alt), 2) * std::sin(azi);
        if (w > largest)
            largest = w, altAtLargest = alt, aziAtLargest = azi;
        return 0.0;
    });
    EXPECT_EQ(altAtLargest, 0);
    EXPECT_NEAR(aziAtLargest * 180 / 3.14159265358979, 85.5, 1e-9);
    EXPECT_NEAR(largest, 0.99692, 0.5e-5);
}

TEST(DiffuseRun, CountersAfterAResetAddUpToTheDirectionsOfEachPass) {
    StoreDefaultGeometry();
    GeomMode = 1;
    SkyCaseCount.fill(7);  // left over from other modes; the run must reset them
    GroundCaseCount.fill(7);
    RunDiffuse(20);
    EXPECT_EQ(std::accumulate(SkyCaseCount.begin(), SkyCaseCount.end(), 0), 400);
    EXPECT_EQ(std::accumulate(GroundCaseCount.begin(), GroundCaseCount.end(), 0), 380);
    EXPECT_EQ(NAzi, 20);
    EXPECT_GT(SkyUSF, 0);
    EXPECT_LT(SkyUSF, 1);
    EXPECT_EQ(SkyUSF, SkySumUSF / SkySumWeight);
    EXPECT_EQ(GroundUSF, GroundSumUSF / GroundSumWeight);
}

TEST(DiffuseRun, RepeatedRunsAreBitIdentical) {
    StoreGeometry(2, 3, 1.5, 4, 1, 0.5);
    for (std::int16_t mode = 1; mode <= 3; ++mode) {
        GeomMode = mode;
        RunDiffuse(20);
        const double sky = SkyUSF, ground = GroundUSF;
        const auto skyCounts = SkyCaseCount;
        RunDiffuse(20);
        EXPECT_TRUE(SameBits(sky, SkyUSF)) << "mode " << mode;
        EXPECT_TRUE(SameBits(ground, GroundUSF)) << "mode " << mode;
        EXPECT_EQ(skyCounts, SkyCaseCount);
    }
}

TEST(DiffuseRun, FlatOverhangYieldsFiniteFractions) {
    StoreGeometry(3, 2, 3, 4, 3, 0);
    GeomMode = 3;
    RunDiffuse(20);
    EXPECT_TRUE(std::isfinite(SkyUSF));
    EXPECT_TRUE(std::isfinite(GroundUSF));
}

TEST(DiffuseRun, AwningBelowTheWindowStopsAtTheFirstGroundDirection) {
    StoreGeometry(3, 2, 3, 4, -2, 1);
    GeomMode = 1;
    SetDiffuseGrid(20);
    ResetDiffuseRun();
    IntegrateSkyDiffuse();
    EXPECT_THROW(IntegrateGroundDiffuse(), ProgramStop);
    EXPECT_EQ(std::accumulate(GroundCaseCount.begin(), GroundCaseCount.end(), 0), 0);
}

}  // namespace
