#include "modes/year/PerezSky.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double Degree = std::numbers::pi / 180;

// Upper clearness of bins 1 to 7; bin 8 has none.
constexpr std::array<double, 7> BinTop = {1.065, 1.230, 1.500, 1.950, 2.800, 4.500, 6.200};

// f11, f12, f13, f21, f22, f23 by clearness bin, the zenith in radians.
constexpr std::array<std::array<double, 6>, 8> Coefficients = {{
    {-0.008, 0.588, -0.062, -0.060, 0.072, -0.022},
    {0.130, 0.683, -0.151, -0.019, 0.066, -0.029},
    {0.330, 0.487, -0.221, 0.055, -0.064, -0.026},
    {0.568, 0.187, -0.295, 0.109, -0.152, -0.014},
    {0.873, -0.392, -0.362, 0.226, -0.462, 0.001},
    {1.132, -1.237, -0.412, 0.288, -0.823, 0.056},
    {1.060, -1.600, -0.359, 0.264, -1.127, 0.131},
    {0.678, -0.327, -0.250, 0.156, -1.377, 0.251},
}};

// Relative optical air mass of Kasten and Young (1989).
double AirMass(double zenithDeg) {
    return 1 / (std::cos(zenithDeg * Degree) + 0.50572 * std::pow(96.07995 - zenithDeg, -1.6364));
}

// The solar constant of 1367 W/m2 at the Earth's distance on the day.
double ExtraterrestrialNormal(int dayOfYear) {
    return 1367 * (1 + 0.033 * std::cos(2 * std::numbers::pi * dayOfYear / 365));
}

}  // namespace

PerezIndices PerezSkyIndices(double directNormal, double diffuseHorizontal, double zenithDeg,
                             int dayOfYear) {
    const double z = zenithDeg * Degree;
    const double kz3 = 1.041 * z * z * z;
    PerezIndices p{};
    p.clearness = ((diffuseHorizontal + directNormal) / diffuseHorizontal + kz3) / (1 + kz3);
    p.brightness = diffuseHorizontal * AirMass(zenithDeg) / ExtraterrestrialNormal(dayOfYear);
    p.bin = 1 + static_cast<int>(std::upper_bound(BinTop.begin(), BinTop.end(), p.clearness) -
                                 BinTop.begin());
    const std::array<double, 6>& f = Coefficients[p.bin - 1];
    p.f1 = std::max(0.0, f[0] + f[1] * p.brightness + f[2] * z);
    p.f2 = f[3] + f[4] * p.brightness + f[5] * z;
    return p;
}

PerezSkyParts PerezVerticalSky(double directNormal, double diffuseHorizontal, double zenithDeg,
                               double cosIncidence, int dayOfYear) {
    if (diffuseHorizontal <= 0)
        return {};
    if (zenithDeg >= 90)
        return {diffuseHorizontal / 2, 0, 0};
    const PerezIndices p = PerezSkyIndices(directNormal, diffuseHorizontal, zenithDeg, dayOfYear);
    // The circumsolar disc is seen from the horizontal as from at most 85 degrees of zenith.
    const double b = std::max(std::cos(85 * Degree), std::cos(zenithDeg * Degree));
    PerezSkyParts parts{diffuseHorizontal * (1 - p.f1) / 2,
                        diffuseHorizontal * p.f1 * std::max(0.0, cosIncidence) / b,
                        diffuseHorizontal * p.f2};
    // With the sun at the horizon the air mass drives the brightness, and with it F2, far past
    // the range the table was fitted on: a darker horizon band may take the sky to nothing,
    // never below.
    parts.horizon = std::max(parts.horizon, -(parts.isotropic + parts.circumsolar));
    return parts;
}
