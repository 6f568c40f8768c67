#pragma once

#include <array>
#include <cstdint>

#include <optional>

#include "model/PhysicalDiffuse.h"
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
    // The physically weighted factors, given where a fraction lies outside 0 to 1.
    std::optional<PhysicalDiffuseFactors> physical;
};

// Adds the device's physically weighted factors where a fraction lies outside 0 to 1, so that
// a user reading one that cannot be a fraction has one that is.
void AddPhysicalFactorsWhereNeeded(DiffuseShading& d, const DeviceShape& device);

// The sky pass over steps rows of altitude from the horizon up, and the ground pass over the
// steps - 1 rows below it, each by steps columns of azimuth, weighted as the program always
// has. Throws ProgramStop as the ground procedure does.
DiffuseShading EvaluateDiffuse(const ShadeGeometryRecord& ratios, std::int16_t mode,
                               std::int16_t steps);

}  // namespace mduUmbravel
