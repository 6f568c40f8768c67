#pragma once

#include <string>

#include "model/ShadingCase.h"
#include "model/SkyDirection.h"
#include "modes/beam/BeamCalculation.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/matrix/MatrixCalculation.h"

// The results of a batch run as one JSON object. Numbers are the shortest texts that read back
// to the same double; a value that is not a number is null.

// Beam: the analytic USF and case, and the exact shadow of the device in the case's layout
// (a negative altitude is a direction from below the horizon).
std::string BeamJson(const ShadingCase& c, const mduUmbravel::SkyShading& beam,
                     const ExactBeam& exact);

// Diffuse: both fractions, their direction and case counts, and the physically weighted
// factors of the device in the case's layout.
std::string DiffuseJson(const ShadingCase& c, const mduUmbravel::DiffuseShading& d);

// Matrix: the report sweep's altitudes and azimuths in degrees and its table of values.
std::string MatrixJson(const ShadingCase& c, const MatrixResults& r);
