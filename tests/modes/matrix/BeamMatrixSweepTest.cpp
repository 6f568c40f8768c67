#include <gtest/gtest.h>

#include <numeric>

#include "base/Faults.h"
#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"
#include "modes/matrix/BeamMatrixSweep.h"
#include "support/Geometry.h"

using namespace mduUmbravel;

namespace {

const double PiOver180 = 3.14159265358979 / 180;

TEST(BeamMatrixSweep, ReportGridStepsBy90OverTheCountInBothDirections) {
    StoreDefaultGeometry();
    GeomMode = 1;
    SweepBeamMatrix(25, 7);
    ASSERT_EQ(MatrixAltitudes.size(), 25u);
    ASSERT_EQ(MatrixAzimuths.size(), 7u);
    EXPECT_EQ(MatrixAltitudes[0], 0);
    EXPECT_EQ(MatrixAltitudes[24], ((90.0 / 25) * 24) * PiOver180);
    EXPECT_EQ(MatrixAzimuths[0], 0.00001);
    EXPECT_EQ(MatrixAzimuths[6], ((90.0 / 7) * 6) * PiOver180);
}

TEST(BeamMatrixSweep, FiveColumnsStepByTwentyDegrees) {
    StoreDefaultGeometry();
    SweepBeamMatrix(20, 5);
    ASSERT_EQ(MatrixAzimuths.size(), 5u);
    EXPECT_EQ(MatrixAzimuths[0], 0.00001);
    for (int j = 2; j <= 5; ++j)
        EXPECT_EQ(MatrixAzimuths[j - 1], PiOver180 * (20 * (j - 1)));
    EXPECT_EQ(MatrixAltitudes[19], ((90.0 / 20) * 19) * PiOver180);
}

TEST(BeamMatrixSweep, CellsHoldTheShadingOfTheirRowAndColumnAndAreCounted) {
    StoreGeometry(3, 2, 2, 4, 3, 1);
    GeomMode = 2;
    SkyCaseCount.fill(0);
    SweepBeamMatrix(25, 7);
    ASSERT_EQ(MatrixUSF.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        ASSERT_EQ(MatrixUSF[i].size(), 7u);
        for (std::size_t j = 0; j < 7; ++j) {
            const auto expected =
                EvaluateSkyDirection(ShadeGeometry, MatrixAltitudes[i], MatrixAzimuths[j], 2);
            EXPECT_EQ(MatrixUSF[i][j], expected.usf) << i << "," << j;
        }
    }
    EXPECT_EQ(std::accumulate(SkyCaseCount.begin(), SkyCaseCount.end(), 0), 175);
}

TEST(BeamMatrixSweep, ANewSweepReplacesTheOldTables) {
    StoreDefaultGeometry();
    SweepBeamMatrix(25, 7);
    SweepBeamMatrix(20, 5);
    EXPECT_EQ(MatrixAltitudes.size(), 20u);
    EXPECT_EQ(MatrixUSF.size(), 20u);
    EXPECT_EQ(MatrixUSF[0].size(), 5u);
}

TEST(BeamMatrixSweep, AtMostFiftyColumns) {
    StoreDefaultGeometry();
    EXPECT_NO_THROW(SweepBeamMatrix(2, 50));
    EXPECT_THROW(SweepBeamMatrix(2, 51), UnexpectedError);
}

}  // namespace
