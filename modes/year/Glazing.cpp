#include "modes/year/Glazing.h"

#include <array>
#include <cmath>
#include <numbers>

#include <boost/math/quadrature/gauss.hpp>

namespace {

constexpr double RefractiveIndex = 1.526;
constexpr double Extinction = 19.6;     // 1/m
constexpr double Thickness = 3.175e-3;  // m

struct Layer {
    double transmittance, reflectance;  // the same from either side: the stack is symmetric
};

// Two layers with the light going back and forth between them.
Layer Stacked(Layer a, Layer b) {
    const double between = 1 / (1 - a.reflectance * b.reflectance);
    return {a.transmittance * b.transmittance * between,
            a.reflectance + a.transmittance * a.transmittance * b.reflectance * between};
}

// One pane for one polarisation, given its surfaces' reflectance and one pass's absorption.
Layer Pane(double surface, double pass) {
    const double within = 1 / (1 - surface * surface * pass * pass);
    const double inward = (1 - surface) * (1 - surface);
    return {pass * inward * within, surface + inward * surface * pass * pass * within};
}

double StackTransmittance(int panes, double surface, double pass) {
    const Layer pane = Pane(surface, pass);
    Layer stack = pane;
    for (int i = 1; i < panes; ++i)
        stack = Stacked(stack, pane);
    return stack.transmittance;
}

}  // namespace

double GlazingBeamTransmittance(int panes, double incidenceRad) {
    if (panes <= 0)
        return 1;
    const double cosIn = std::cos(incidenceRad);
    // Grazing: nothing enters, and the sums of the reflections below would be 0 / 0.
    if (cosIn < 1e-9)
        return 0;
    const double sinOut = std::sin(incidenceRad) / RefractiveIndex;
    const double cosOut = std::sqrt(1 - sinOut * sinOut);
    const double s = (cosIn - RefractiveIndex * cosOut) / (cosIn + RefractiveIndex * cosOut);
    const double p = (RefractiveIndex * cosIn - cosOut) / (RefractiveIndex * cosIn + cosOut);
    const double pass = std::exp(-Extinction * Thickness / cosOut);
    return (StackTransmittance(panes, s * s, pass) + StackTransmittance(panes, p * p, pass)) / 2;
}

double GlazingDiffuseTransmittance(int panes) {
    if (panes <= 0)
        return 1;
    return 2 * boost::math::quadrature::gauss<double, 40>::integrate(
                   [panes](double t) {
                       return GlazingBeamTransmittance(panes, t) * std::cos(t) * std::sin(t);
                   },
                   0.0, std::numbers::pi / 2);
}
