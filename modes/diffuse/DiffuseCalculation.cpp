#include "modes/diffuse/DiffuseCalculation.h"

mduUmbravel::DiffuseShading EvaluateDiffuseMode(const ShadingCase& c) {
    return mduUmbravel::EvaluateDiffuse(c.dimensions, c.GeomMode(), DiffuseModeSteps);
}
