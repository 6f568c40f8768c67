#include "modes/year/HorizonBand.h"

#include <cmath>
#include <numbers>

#include <boost/math/quadrature/gauss.hpp>

double HorizonBandUnshadedFraction(const DeviceShape& device) {
    // Each half on its own: the fin's shadow starts at the normal.
    const auto weighted = [&](double azimuth) {
        return ExactUnshadedFraction(device, 0, azimuth) * std::cos(azimuth);
    };
    using Rule = boost::math::quadrature::gauss<double, 48>;
    const double half = std::numbers::pi / 2;
    return (Rule::integrate(weighted, -half, 0.0) + Rule::integrate(weighted, 0.0, half)) / 2;
}
