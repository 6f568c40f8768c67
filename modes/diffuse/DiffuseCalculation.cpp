#include "modes/diffuse/DiffuseCalculation.h"

mduUmbravel::DiffuseShading EvaluateDiffuseMode(const ShadingCase& c) {
    mduUmbravel::DiffuseShading d =
        mduUmbravel::EvaluateDiffuse(c.dimensions, c.GeomMode(), DiffuseModeSteps);
    AddPhysicalFactorsWhereNeeded(d, DeviceShapeOf(c));
    return d;
}
