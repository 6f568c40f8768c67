#include <gtest/gtest.h>

#include <string>

#include "model/mduUmbravel.h"
#include "output/HeaderLine.h"
#include "support/Geometry.h"

using namespace mduUmbravel;

namespace {

struct HeaderRow {
    double L, W, WP, H, Lh, LhP;
    std::int16_t mode;
    std::string expected;
};

void PrintTo(const HeaderRow& row, std::ostream* os) {
    *os << row.expected;
}

class DefaultHeaderLine : public ::testing::TestWithParam<HeaderRow> {};

TEST_P(DefaultHeaderLine, IsBuiltFromTheStoredDimensionsAndGeometry) {
    const HeaderRow& r = GetParam();
    StoreGeometry(r.L, r.W, r.WP, r.H, r.Lh, r.LhP);
    GeomMode = r.mode;
    EXPECT_EQ(DefaultHeaderText(), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dimensions, DefaultHeaderLine,
    ::testing::Values(
        HeaderRow{3, 2, 3, 4, 3, 1, 1,
                  "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWNONLY"},
        HeaderRow{3, 2, 3, 4, 3, 1, 2,
                  "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: FINONLY"},
        HeaderRow{3, 2, 3, 4, 3, 1, 3,
                  "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWN&FIN"},
        HeaderRow{0.5, 2.5, 3, 4, 3, -1, 1,
                  "UMBRAVEL 3.0 Output L =  .5 W =  2.5 W' =  3 H =  4 h =  3 h' = -1 GEOM: "
                  "AWNONLY"}));

}  // namespace
