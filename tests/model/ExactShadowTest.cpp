#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "model/ExactShadow.h"
#include "model/SkyDirection.h"

namespace {

constexpr double Degree = std::numbers::pi / 180;

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

}  // namespace
