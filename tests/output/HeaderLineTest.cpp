#include <gtest/gtest.h>

#include <string>

#include "output/HeaderLine.h"
#include "support/Geometry.h"

namespace {

struct HeaderRow {
    double L, W, WP, H, Lh, LhP;
    Geometry geometry;
    std::string expected;
};

void PrintTo(const HeaderRow& row, std::ostream* os) {
    *os << row.expected;
}

class DefaultHeaderLine : public ::testing::TestWithParam<HeaderRow> {};

TEST_P(DefaultHeaderLine, IsBuiltFromTheStoredDimensionsAndGeometry) {
    const HeaderRow& r = GetParam();
    EXPECT_EQ(DefaultHeaderText(r.geometry, GeometryOf(r.L, r.W, r.WP, r.H, r.Lh, r.LhP)),
              r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dimensions, DefaultHeaderLine,
    ::testing::Values(
        HeaderRow{3, 2, 3, 4, 3, 1, Geometry::Awning,
                  "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWNONLY"},
        HeaderRow{3, 2, 3, 4, 3, 1, Geometry::Fins,
                  "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: FINONLY"},
        HeaderRow{3, 2, 3, 4, 3, 1, Geometry::AwningAndFins,
                  "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWN&FIN"},
        HeaderRow{0.5, 2.5, 3, 4, 3, -1, Geometry::Awning,
                  "UMBRAVEL 3.0 Output L =  .5 W =  2.5 W' =  3 H =  4 h =  3 h' = -1 GEOM: "
                  "AWNONLY"}));

}  // namespace
