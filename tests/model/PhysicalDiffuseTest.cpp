#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/PhysicalDiffuse.h"

namespace {

// A flat plate far wider than the window, at gap g above its top, D deep: a point d below it
// sees the unshaded share d / sqrt(d^2 + D^2) of the sky; averaged over the window height H.
TEST(PhysicalDiffuse, InfiniteOverhangLimit) {
    const double H = 2, D = 1;
    for (double g : {0.0, 0.5}) {
        const DeviceShape d{Geometry::Awning, 1, H, 1e6, H + g, 0, D, DeviceLayout::Mirrored};
        const PhysicalDiffuseFactors f = PhysicalDiffuse(d);
        EXPECT_NEAR(f.sky, (std::hypot(g + H, D) - std::hypot(g, D)) / H, 1e-6) << g;
        EXPECT_NEAR(f.ground, 1, 1e-6) << g;
    }
    const DeviceShape atTop{Geometry::Awning, 1, H, 1e6, H, 0, D, DeviceLayout::Mirrored};
    EXPECT_NEAR(PhysicalDiffuse(atTop).sky, (std::sqrt(5.0) - 1) / 2, 1e-6);
}

// The factors are the weighted means of ExactUnshadedFraction over directions: a plain
// midpoint rule over altitude and azimuth lands close, also where the plates' cones overlap
// (window reaching above the awning's back edge, awning narrower than the window).
TEST(PhysicalDiffuse, IsTheIrradianceWeightedMeanOfTheExactShadow) {
    const double pi = std::numbers::pi;
    const DeviceShape devices[] = {
        {Geometry::AwningAndFins, 2, 4, 3, 3, 1, 3, DeviceLayout::Drawn},
        {Geometry::AwningAndFins, 2, 4, 3, 3, 1, 3, DeviceLayout::Mirrored},
        {Geometry::AwningAndFins, 2, 3, 1.5, 1.2, 0.6, 1.5, DeviceLayout::Drawn},
        {Geometry::AwningAndFins, 2, 3, 1.5, 1.2, 0.6, 1.5, DeviceLayout::Mirrored},
    };
    const int n = 24;
    for (const DeviceShape& d : devices) {
        double sky = 0, ground = 0, weight = 0;
        for (int i = 0; i < n; ++i) {
            const double alt = (i + 0.5) / n * pi / 2;
            for (int j = 0; j < 2 * n; ++j) {
                const double azi = -pi / 2 + (j + 0.5) / (2 * n) * pi;
                const double w = std::pow(std::cos(alt), 2) * std::cos(azi);
                sky += w * ExactUnshadedFraction(d, alt, azi);
                ground += w * ExactUnshadedFraction(d, -alt, azi);
                weight += w;
            }
        }
        const PhysicalDiffuseFactors f = PhysicalDiffuse(d);
        EXPECT_NEAR(f.sky, sky / weight, 1e-3) << d.WP << " " << static_cast<int>(d.layout);
        EXPECT_NEAR(f.ground, ground / weight, 1e-3) << d.WP << " " << static_cast<int>(d.layout);
    }
}

// Mirrored ends that cross (W' < W / 2) leave no awning plate: the awning alone hides nothing
// and awning with fins hides what the fins alone hide.
TEST(PhysicalDiffuse, CrossedMirroredEndsHaveNoPlate) {
    const DeviceShape crossed{Geometry::Awning, 2, 3, 0.5, 3, 0.5, 1, DeviceLayout::Mirrored};
    const PhysicalDiffuseFactors awning = PhysicalDiffuse(crossed);
    EXPECT_EQ(awning.sky, 1);
    EXPECT_EQ(awning.ground, 1);
    DeviceShape both = crossed, fins = crossed;
    both.geometry = Geometry::AwningAndFins;
    fins.geometry = Geometry::Fins;
    EXPECT_NEAR(PhysicalDiffuse(both).sky, PhysicalDiffuse(fins).sky, 1e-9);
    EXPECT_NEAR(PhysicalDiffuse(both).ground, PhysicalDiffuse(fins).ground, 1e-9);
    EXPECT_LT(PhysicalDiffuse(fins).sky, 1);
}

}  // namespace
