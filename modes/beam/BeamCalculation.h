#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/ExactShadow.h"
#include "model/ShadingCase.h"
#include "model/SkyDirection.h"

// The single-sun mode: the fraction and shadow case for the case's sun, by the shading
// procedures.
mduUmbravel::SkyShading EvaluateBeam(const ShadingCase& c);

// The exact fraction of the device in the case's layout with the shadow that gives it, or why
// no direct sun reaches the window from the case's direction.
struct ExactBeam {
    std::optional<double> usf;
    std::vector<std::vector<WallPoint>> shadow;
    std::optional<std::string_view> noSun;
};

ExactBeam EvaluateExactBeam(const ShadingCase& c);

// Whether the exact fraction tells the user more than the analytic one: no sun, or a value
// more than 1e-6 away.
bool ExactDiffers(const ExactBeam& exact, double analyticUSF);
