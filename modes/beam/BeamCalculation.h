#pragma once

#include "model/ShadingCase.h"
#include "model/SkyDirection.h"

// The single-sun mode: the fraction and shadow case for the case's sun, by the shading
// procedures.
mduUmbravel::SkyShading EvaluateBeam(const ShadingCase& c);
