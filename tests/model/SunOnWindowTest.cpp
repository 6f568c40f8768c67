#include "model/SunOnWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Behind the wall first, then below the horizon, then past the zenith; the wall plane and the
// zenith themselves reach the window as the limits of the directions in front of it.
TEST(SunOnWindow, NoDirectSunFromBehindTheWallBelowTheHorizonOrPastTheZenith) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double altitude, azimuth;
        std::optional<std::string_view> reason;
    } rows[] = {
        {30, 0.0001, std::nullopt},     {0, 90, std::nullopt},      {90, -90, std::nullopt},
        {10, 90.000001, SunBehindWall}, {-10, -135, SunBehindWall}, {-1e-9, 20, SunBelowHorizon},
        {90.000001, 0, SunPastZenith},  {30, nan, SunBehindWall},   {nan, 20, SunPastZenith},
    };
    for (const auto& row : rows)
        EXPECT_EQ(NoDirectSunReason(row.altitude, row.azimuth), row.reason)
            << row.altitude << " " << row.azimuth;
}

}  // namespace
