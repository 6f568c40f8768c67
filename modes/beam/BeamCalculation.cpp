#include "modes/beam/BeamCalculation.h"

mduUmbravel::SkyShading EvaluateBeam(const ShadingCase& c) {
    return mduUmbravel::EvaluateSkyDirection(c.dimensions, c.sun.AltitudeRad(), c.sun.AzimuthRad(),
                                             c.GeomMode());
}
