#include <gtest/gtest.h>

#include "base/Faults.h"
#include "model/SkyDirection.h"
#include "modes/matrix/BeamMatrixSweep.h"
#include "support/Geometry.h"

using namespace mduUmbravel;

namespace {

const double PiOver180 = 3.14159265358979 / 180;

TEST(BeamMatrixSweep, ReportGridStepsBy90OverTheCountInBothDirections) {
    const BeamMatrix m = EvaluateBeamMatrix(DefaultGeometry(), 1, 25, 7);
    ASSERT_EQ(m.altitudes.size(), 25u);
    ASSERT_EQ(m.azimuths.size(), 7u);
    EXPECT_EQ(m.altitudes[0], 0);
    EXPECT_EQ(m.altitudes[24], ((90.0 / 25) * 24) * PiOver180);
    EXPECT_EQ(m.azimuths[0], 0.00001);
    EXPECT_EQ(m.azimuths[6], ((90.0 / 7) * 6) * PiOver180);
}

TEST(BeamMatrixSweep, FiveColumnsStepByTwentyDegrees) {
    const BeamMatrix m = EvaluateBeamMatrix(DefaultGeometry(), 1, 20, 5);
    ASSERT_EQ(m.azimuths.size(), 5u);
    EXPECT_EQ(m.azimuths[0], 0.00001);
    for (int j = 2; j <= 5; ++j)
        EXPECT_EQ(m.azimuths[j - 1], PiOver180 * (20 * (j - 1)));
    EXPECT_EQ(m.altitudes[19], ((90.0 / 20) * 19) * PiOver180);
}

TEST(BeamMatrixSweep, CellsHoldTheShadingOfTheirRowAndColumn) {
    const ShadeGeometryRecord g = GeometryOf(3, 2, 2, 4, 3, 1);
    const BeamMatrix m = EvaluateBeamMatrix(g, 2, 25, 7);
    ASSERT_EQ(m.usf.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        ASSERT_EQ(m.usf[i].size(), 7u);
        for (std::size_t j = 0; j < 7; ++j) {
            const auto expected = EvaluateSkyDirection(g, m.altitudes[i], m.azimuths[j], 2);
            EXPECT_EQ(m.usf[i][j], expected.usf) << i << "," << j;
        }
    }
}

TEST(BeamMatrixSweep, AtMostFiftyColumns) {
    EXPECT_NO_THROW(EvaluateBeamMatrix(DefaultGeometry(), 1, 2, 50));
    EXPECT_THROW(EvaluateBeamMatrix(DefaultGeometry(), 1, 2, 51), UnexpectedError);
}

}  // namespace
