#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <sstream>
#include <string>

#include "model/ExactShadow.h"
#include "model/SkyDirection.h"

namespace {

constexpr double Degree = std::numbers::pi / 180;

std::string Describe(const DeviceShape& d, double alt, double azi) {
    std::ostringstream text;
    text.precision(17);
    text << "geometry " << static_cast<int>(d.geometry) << " layout " << static_cast<int>(d.layout)
         << " W " << d.W << " H " << d.H << " W' " << d.WP << " h " << d.Lh << " h' " << d.LhP
         << " L " << d.L << " alt " << alt / Degree << " azi " << azi / Degree;
    return text.str();
}

// The ratios the analytic procedure reads, derived from the device's lengths.
mduUmbravel::ShadeGeometryRecord Ratios(const DeviceShape& d) {
    mduUmbravel::ShadeGeometryRecord g;
    g.B = d.L / d.H;
    g.C = d.Lh / d.H;
    g.D = d.L / d.W;
    g.E = d.LhP / d.H;
    g.F = (d.WP - d.W) / d.W;
    return g;
}

// Random devices with the back edge at or above the window top and the awning at least as
// wide as the window (never both on the boundary), and sky directions toward the fin side:
// there the analytic cases describe the plate and fin exactly, except CASE 5 with fins,
// which misses an awning shadow lying wholly above the window.
TEST(ExactShadow, AgreesWithAnalyticCasesInsideTheirDomain) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    int compared = 0;
    for (int trial = 0; trial < 6000; ++trial) {
        DeviceShape d;
        d.geometry = static_cast<Geometry>(1 + trial % 3);
        d.W = 0.5 + 3 * unit(random);
        d.H = 0.5 + 3 * unit(random);
        d.WP = d.W * (1 + 0.05 + unit(random));
        d.LhP = 2 * unit(random);
        d.Lh = d.H - d.LhP + 2 * unit(random);
        d.L = 0.1 + 3 * unit(random);
        const double alt = 89 * unit(random) * Degree;
        const double azi = (0.01 + 88.99 * unit(random)) * Degree;

        const auto analytic = mduUmbravel::EvaluateSkyDirection(
            Ratios(d), alt, azi, static_cast<std::int16_t>(d.geometry));
        if (analytic.shadowCase == mduUmbravel::SkyCase::None)
            continue;
        if (analytic.shadowCase == mduUmbravel::SkyCase::Case5 && d.geometry != Geometry::Awning)
            continue;
        ++compared;
        for (DeviceLayout layout : {DeviceLayout::Drawn, DeviceLayout::Mirrored}) {
            d.layout = layout;
            ASSERT_NEAR(ExactUnshadedFraction(d, alt, azi), analytic.usf, 1e-9)
                << "mode " << static_cast<int>(d.geometry) << " W " << d.W << " H " << d.H << " W' "
                << d.WP << " h " << d.Lh << " h' " << d.LhP << " L " << d.L << " alt "
                << alt / Degree << " azi " << azi / Degree << " "
                << mduUmbravel::SkyCaseName[static_cast<int>(analytic.shadowCase)];
        }
    }
    EXPECT_GT(compared, 5000);
}

// Shadows worked by hand on a 2 x 2 window with a flat plate or fin of depth 1 at its top and
// fin-side edges (W' = W): shaded area, and the polygons returned cover exactly that area.
TEST(ExactShadow, HandWorkedAreas) {
    const double r2 = std::sqrt(2.0);
    struct Case {
        std::int16_t mode;
        double Lh, LhP, alt, azi, usf;
    } cases[] = {
        {1, 2, 0, 45, 0, 0.5},                               // strip 1 deep along the top
        {1, 2, 0, 45, 45, 1 - 1.5 * r2 / 4},                 // parallelogram cut at x = 0
        {2, 2, 0, 0, 45, 0.5},                               // band 1 wide beside the fin
        {2, 2, 0, 45, 45, 1 - (4 - r2) / 8},                 // trapezoid under the fin's top edge
        {3, 2, 0, 45, 45, 0.5 - r2 / 4},                     // plate and fin side by side
        {1, 1, 1, -30, 0, (1 + std::tan(30 * Degree)) / 2},  // sloped plate seen from below
    };
    for (const Case& c : cases) {
        const DeviceShape d{
            static_cast<Geometry>(c.mode), 2, 2, 2, c.Lh, c.LhP, 1, DeviceLayout::Drawn};
        const ShadowOnWindow s = ExactShadow(d, c.alt * Degree, c.azi * Degree);
        EXPECT_NEAR(s.unshadedFraction, c.usf, 1e-12) << c.mode << " " << c.alt << " " << c.azi;
        double area = 0;
        for (const auto& polygon : s.shadow) {
            for (std::size_t i = 0; i < polygon.size(); ++i) {
                const WallPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
                area += (a.x * b.y - b.x * a.y) / 2;
                EXPECT_TRUE(a.x >= 0 && a.x <= 2 && a.y >= 0 && a.y <= 2);
            }
        }
        EXPECT_NEAR(area, (1 - c.usf) * 4, 1e-12) << c.mode << " " << c.alt << " " << c.azi;
    }
}

// A flat plate far wider than the window, at gap g above its top, D deep: its shadow edge lies
// D tan(alt) / cos(azi) below the plate, whatever the azimuth.
TEST(ExactShadow, InfiniteOverhangLimit) {
    const double H = 2, D = 1;
    for (double g : {0.0, 0.3}) {
        for (double alt : {5.0, 30.0, 60.0, 80.0}) {
            for (double azi : {-70.0, -20.0, 0.0, 40.0}) {
                const DeviceShape d{Geometry::Awning,      1, H, 1e6, H + g, 0, D,
                                    DeviceLayout::Mirrored};
                const double drop = D * std::tan(alt * Degree) / std::cos(azi * Degree);
                const double expected = 1 - std::clamp((drop - g) / H, 0.0, 1.0);
                EXPECT_NEAR(ExactUnshadedFraction(d, alt * Degree, azi * Degree), expected, 1e-6)
                    << g << " " << alt << " " << azi;
            }
        }
    }
}

// A device the same on both sides casts the same shadow, mirrored, from either azimuth.
TEST(ExactShadow, MirroredLayoutIsSymmetric) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 300; ++trial) {
        const DeviceShape d{static_cast<Geometry>(1 + trial % 3),
                            0.5 + 2 * unit(random),
                            0.5 + 2 * unit(random),
                            3 * unit(random),
                            -1 + 4 * unit(random),
                            -1 + 2 * unit(random),
                            0.1 + 2 * unit(random),
                            DeviceLayout::Mirrored};
        const double alt = (-85 + 170 * unit(random)) * Degree;
        const double azi = 85 * unit(random) * Degree;
        EXPECT_NEAR(ExactUnshadedFraction(d, alt, azi), ExactUnshadedFraction(d, alt, -azi), 1e-12);
    }
}

// Devices and directions where an earlier engine lost a shadow, met shadow corners exactly on
// the window's edges or the ray running along the wall; the true fractions worked out beside
// them.
TEST(ExactShadow, DifficultDirections) {
    struct Case {
        Geometry geometry;
        DeviceLayout layout;
        double W, H, WP, Lh, LhP, L, alt, azi, usf;
    } cases[] = {
        {Geometry::AwningAndFins, DeviceLayout::Mirrored, 2.2543, 1.2365, 2.0881, 1.4347, 0.0811,
         1.4058, 63.6811, -64.7333, 0.0745},
        {Geometry::AwningAndFins, DeviceLayout::Drawn, 4.66727, 3.81422, 7.42638, 2.94921, 0.74379,
         2.3178, 26.21824, 80.44824, 0.0318},
        {Geometry::Awning, DeviceLayout::Drawn, 0.25, 0.5, 0.25, 0.25, 0.5, 0.25, 0, 45, 0.875},
    };
    for (const Case& c : cases) {
        const DeviceShape d{c.geometry, c.W, c.H, c.WP, c.Lh, c.LhP, c.L, c.layout};
        EXPECT_NEAR(ExactUnshadedFraction(d, c.alt * Degree, c.azi * Degree), c.usf, 5e-5)
            << Describe(d, c.alt * Degree, c.azi * Degree);
    }
}

// Rays along the wall (azimuth +-90) or straight up or down (altitude +-90) give the limit of
// the directions nearly so: the shadow of the plates' front reaches without end across the
// wall.
TEST(ExactShadow, RaysAlongTheWallAreTheLimitOfNearbyRays) {
    const DeviceShape devices[] = {
        {Geometry::Awning, 1.2, 1.5, 1.2, 1.7, 0, 0.6, DeviceLayout::Drawn},
        {Geometry::AwningAndFins, 2, 1.5, 2.5, 1.2, 0.4, 0.8, DeviceLayout::Drawn},
        {Geometry::AwningAndFins, 2, 1.5, 1.6, 1.2, 0.4, 0.8, DeviceLayout::Mirrored},
        {Geometry::Fins, 1, 2, 1.3, -0.5, 1, 0.3, DeviceLayout::Mirrored},
    };
    const double near = 90 - 1e-7;
    struct Direction {
        double alt, azi, nearAlt, nearAzi;
    } directions[] = {
        {10, 90, 10, near},       {10, -90, 10, -near},   {-30, 90, -30, near},
        {0, 90, 0, near},         {90, 20, near, 20},     {-90, 20, -near, 20},
        {90, 0, near, 0},         {-90, -60, -near, -60}, {90, 90, near, near},
        {-90, -90, -near, -near},
    };
    for (const DeviceShape& d : devices) {
        for (const Direction& r : directions) {
            const double at = ExactUnshadedFraction(d, r.alt * Degree, r.azi * Degree);
            EXPECT_TRUE(at >= 0 && at <= 1) << at;
            EXPECT_NEAR(at, ExactUnshadedFraction(d, r.nearAlt * Degree, r.nearAzi * Degree), 1e-6)
                << Describe(d, r.alt * Degree, r.azi * Degree);
        }
    }
    // The awning above the window, the sun along the wall from the fin side at 10 degrees: the
    // back edge's shadow slopes down to the left and just cuts the window's top left corner.
    const double reach = 1.2 - 0.2 / std::tan(10 * Degree);
    EXPECT_NEAR(ExactUnshadedFraction(devices[0], 10 * Degree, 90 * Degree),
                1 - reach * reach * std::tan(10 * Degree) / 2 / (1.2 * 1.5), 1e-12);
}

// A ray in the plane of a plate, or a fin seen edge on, leaves no sliver of shadow.
TEST(ExactShadow, PlatesSeenEdgeOnCastNone) {
    const DeviceShape fins{Geometry::Fins, 2, 2, 2, 1, 0.5, 1, DeviceLayout::Mirrored};
    const DeviceShape flat{Geometry::Awning, 2, 2, 2, 1.5, 0, 1, DeviceLayout::Drawn};
    for (double alt : {-60.0, 0.0, 35.0, 80.0})
        EXPECT_EQ(ExactUnshadedFraction(fins, alt * Degree, 0), 1) << alt;
    for (double azi : {-80.0, 0.0, 45.0})
        EXPECT_EQ(ExactUnshadedFraction(flat, 0, azi * Degree), 1) << azi;
}

// Mirrored ends that cross (W' < W / 2) hold no plate between them: the awning casts nothing
// and awning with fins shades as the fins alone.
TEST(ExactShadow, CrossedMirroredEndsHoldNoPlate) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 200; ++trial) {
        DeviceShape d{
            Geometry::Awning, 1 + unit(random), 1 + unit(random),   0,
            2 * unit(random), unit(random),     0.2 + unit(random), DeviceLayout::Mirrored};
        d.WP = d.W / 2 * unit(random);
        const double alt = (-80 + 160 * unit(random)) * Degree;
        const double azi = (-80 + 160 * unit(random)) * Degree;
        EXPECT_EQ(ExactUnshadedFraction(d, alt, azi), 1);
        d.geometry = Geometry::AwningAndFins;
        const double both = ExactUnshadedFraction(d, alt, azi);
        d.geometry = Geometry::Fins;
        EXPECT_EQ(both, ExactUnshadedFraction(d, alt, azi));
    }
}

}  // namespace
