#include <gtest/gtest.h>

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
        d.geomMode = static_cast<std::int16_t>(1 + trial % 3);
        d.W = 0.5 + 3 * unit(random);
        d.H = 0.5 + 3 * unit(random);
        d.WP = d.W * (1 + 0.05 + unit(random));
        d.LhP = 2 * unit(random);
        d.Lh = d.H - d.LhP + 2 * unit(random);
        d.L = 0.1 + 3 * unit(random);
        const double alt = 89 * unit(random) * Degree;
        const double azi = (0.01 + 88.99 * unit(random)) * Degree;

        const auto analytic = mduUmbravel::EvaluateSkyDirection(Ratios(d), alt, azi, d.geomMode);
        if (analytic.shadowCase == mduUmbravel::SkyCase::None)
            continue;
        if (analytic.shadowCase == mduUmbravel::SkyCase::Case5 && d.geomMode != 1)
            continue;
        ++compared;
        for (DeviceLayout layout : {DeviceLayout::Drawn, DeviceLayout::Mirrored}) {
            d.layout = layout;
            ASSERT_NEAR(ExactUnshadedFraction(d, alt, azi), analytic.usf, 1e-9)
                << "mode " << d.geomMode << " W " << d.W << " H " << d.H << " W' " << d.WP << " h "
                << d.Lh << " h' " << d.LhP << " L " << d.L << " alt " << alt / Degree << " azi "
                << azi / Degree << " "
                << mduUmbravel::SkyCaseName[static_cast<int>(analytic.shadowCase)];
        }
    }
    EXPECT_GT(compared, 5000);
}

}  // namespace
