#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "modes/year/ClearSky.h"
#include "modes/year/Glazing.h"
#include "modes/year/HorizonBand.h"
#include "modes/year/PerezSky.h"

namespace {

constexpr double Degree = std::numbers::pi / 180;

// Worked by hand from the model's equations and its published table:
//   clear hour, 21 June (day 172), zenith 40 deg = 0.69813 rad, DNI 600, DHI 150:
//     kZ^3 = 1.041 x 0.69813^3 = 0.35421; epsilon = (750/150 + 0.35421) / 1.35421 = 3.95375,
//     bin 6; air mass 1 / (cos 40 + 0.50572 x 56.07995^-1.6364) = 1.30422;
//     I0 = 1367 (1 + 0.033 cos(2 pi 172/365)) = 1322.624; Delta = 150 x 1.30422 / I0 = 0.147913;
//     F1 = 1.132 - 1.237 Delta - 0.412 Z = 0.661401, F2 = 0.288 - 0.823 Delta + 0.056 Z
//     = 0.205363; with cos(incidence) 0.5: isotropic 150 (1 - F1) / 2 = 25.3949, circumsolar
//     150 F1 x 0.5 / cos 40 = 64.7548, horizon 150 F2 = 30.8044.
//   overcast hour, 1 January, zenith 60, DNI 0, DHI 200: epsilon 1, bin 1; air mass 1.99429,
//     Delta 0.282457, F1 = -0.008 + 0.588 Delta - 0.062 Z = 0.0931584,
//     F2 = -0.060 + 0.072 Delta - 0.022 Z = -0.0627015.
TEST(PerezSkyTest, HandWorkedHours) {
    const struct {
        const char* name;
        double dni, dhi, zenith, cosIncidence;
        int day;
        double clearness, brightness;
        int bin;
        double f1, f2, isotropic, circumsolar, horizon;
    } rows[] = {
        {"clear", 600, 150, 40, 0.5, 172, 3.953748, 0.1479132, 6, 0.6614011, 0.2053628, 25.39492,
         64.75484, 30.80442},
        {"overcast", 0, 200, 60, 0.3, 1, 1, 0.2824569, 1, 0.09315839, -0.06270145,
         200 * (1 - 0.09315839) / 2, 200 * 0.09315839 * 0.3 / 0.5, 200 * -0.06270145},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const PerezIndices p = PerezSkyIndices(r.dni, r.dhi, r.zenith, r.day);
        EXPECT_NEAR(p.clearness, r.clearness, 1e-6);
        EXPECT_NEAR(p.brightness, r.brightness, 1e-7);
        EXPECT_EQ(p.bin, r.bin);
        EXPECT_NEAR(p.f1, r.f1, 1e-7);
        EXPECT_NEAR(p.f2, r.f2, 1e-7);
        const PerezSkyParts sky = PerezVerticalSky(r.dni, r.dhi, r.zenith, r.cosIncidence, r.day);
        EXPECT_NEAR(sky.isotropic, r.isotropic, 1e-4);
        EXPECT_NEAR(sky.circumsolar, r.circumsolar, 1e-4);
        EXPECT_NEAR(sky.horizon, r.horizon, 1e-4);
    }
    // Behind the wall no circumsolar; the sun down, all isotropic.
    EXPECT_EQ(PerezVerticalSky(600, 150, 40, 0, 172).circumsolar, 0);
    const PerezSkyParts night = PerezVerticalSky(0, 10, 95, 0, 172);
    EXPECT_EQ(night.isotropic, 5);
    EXPECT_EQ(night.circumsolar + night.horizon, 0);
    // At sunrise the air mass of 36 makes Delta about 2.7 and F2 about -1 (bin 5): the band
    // darkens the sky to nothing.
    const PerezSkyParts sunrise = PerezVerticalSky(600, 100, 89.86, 0, 64);
    EXPECT_LT(sunrise.horizon, 0);
    EXPECT_NEAR(sunrise.isotropic + sunrise.circumsolar + sunrise.horizon, 0, 1e-12);
}

// Reference values from a separate computation that bounces the light between the 2N surfaces
// until none is left, each polarisation apart, and integrates the hemisphere by Simpson's rule
// on 2000 intervals.
TEST(GlazingTest, TransmittanceOfOneToThreePanes) {
    const struct {
        int panes;
        double normal, at60, hemispherical;
    } rows[] = {
        {1, 0.8613727512, 0.7792117082, 0.7860897860},
        {2, 0.7465586384, 0.6473687815, 0.6587937776},
        {3, 0.6500542374, 0.5544786617, 0.5635488647},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.panes);
        EXPECT_NEAR(GlazingBeamTransmittance(r.panes, 0), r.normal, 1e-9);
        EXPECT_NEAR(GlazingBeamTransmittance(r.panes, 60 * Degree), r.at60, 1e-9);
        EXPECT_NEAR(GlazingDiffuseTransmittance(r.panes), r.hemispherical, 1e-6);
        EXPECT_EQ(GlazingBeamTransmittance(r.panes, std::numbers::pi / 2), 0);
    }
    EXPECT_EQ(GlazingBeamTransmittance(0, 1.2), 1);
    EXPECT_EQ(GlazingDiffuseTransmittance(0), 1);
}

// 21 June at 40 deg N, solar noon: altitude 90 - 40 + 23.44 = 73.44 deg, sin = 0.958522;
// DNI = 1088 exp(-0.205 / 0.958522) = 1088 x 0.807453 = 878.508 W/m2, DHI = 0.134 DNI.
TEST(ClearSkyTest, SolsticeNoonAndNight) {
    const ClearSkyIrradiance noon = AshraeClearSky(6, 73.44);
    EXPECT_NEAR(noon.directNormal, 878.508, 0.01);
    EXPECT_NEAR(noon.diffuseHorizontal, 0.134 * 878.508, 0.01);
    // December at 40 deg S, the same noon: 1233 exp(-0.142 / 0.958522) = 1233 x 0.862306
    // = 1063.224.
    EXPECT_NEAR(AshraeClearSky(12, 73.44).directNormal, 1063.224, 0.01);
    EXPECT_EQ(AshraeClearSky(6, 0).directNormal, 0);
    EXPECT_EQ(AshraeClearSky(6, -3).diffuseHorizontal, 0);
}

// One fin flush with the window edge, reaching above it: along the horizon it shades the share
// min(1, L tan g / W) at azimuth g toward it, so with tan g1 = W / L the weighted shaded share
// is ((L / W)(1 - cos g1) + 1 - sin g1) / 2. An awning above the window's top never shades it.
TEST(HorizonBandTest, FinClosedFormAndHighAwning) {
    const double W = 4, L = 3;
    const double g1 = std::atan(W / L);
    const double shaded = (L / W * (1 - std::cos(g1)) + 1 - std::sin(g1)) / 2;
    EXPECT_NEAR(HorizonBandUnshadedFraction(
                    DeviceShape{Geometry::Fins, W, 3, W, 3.5, 0, L, DeviceLayout::Drawn}),
                1 - shaded, 1e-4);
    EXPECT_NEAR(HorizonBandUnshadedFraction(
                    DeviceShape{Geometry::Awning, W, 3, 5, 3.5, 0.5, L, DeviceLayout::Mirrored}),
                1, 1e-12);
}

}  // namespace
