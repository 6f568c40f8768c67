#include "modes/beam/BeamCalculation.h"

#include <cmath>
#include <utility>

#include "model/SunOnWindow.h"

mduUmbravel::SkyShading EvaluateBeam(const ShadingCase& c) {
    return mduUmbravel::EvaluateSkyDirection(c.dimensions, c.sun.AltitudeRad(), c.sun.AzimuthRad(),
                                             c.GeomMode());
}

ExactBeam EvaluateExactBeam(const ShadingCase& c) {
    if (const auto reason = NoDirectSunReason(c.sun.altitude, c.sun.azimuth))
        return {std::nullopt, {}, reason};
    ShadowOnWindow exact = ExactShadow(DeviceShapeOf(c), c.sun.AltitudeRad(), c.sun.AzimuthRad());
    return {exact.unshadedFraction, std::move(exact.shadow), std::nullopt};
}

bool ExactDiffers(const ExactBeam& exact, double analyticUSF) {
    return !exact.usf || !(std::abs(*exact.usf - analyticUSF) <= 1e-6);
}
