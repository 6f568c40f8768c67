#pragma once

#include <array>
#include <cstdint>

#include "model/ShadeGeometry.h"

namespace mduUmbravel {

// Both diffuse fractions of one geometry over a grid of steps x steps directions, and how often
// each shadow case occurred.
struct DiffuseShading {
    std::int16_t steps = 0;
    double skyUSF = 0;
    double groundUSF = 0;
    std::array<int, 10> skyCaseCount{};
    std::array<int, 6> groundCaseCount{};
};

// The sky pass over steps rows of altitude from the horizon up, and the ground pass over the
// steps - 1 rows below it, each by steps columns of azimuth, weighted as the program always
// has. Throws ProgramStop as the ground procedure does.
DiffuseShading EvaluateDiffuse(const ShadeGeometryRecord& ratios, std::int16_t mode,
                               std::int16_t steps);

}  // namespace mduUmbravel
