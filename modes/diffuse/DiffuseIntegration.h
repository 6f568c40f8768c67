#pragma once

#include <array>
#include <cstdint>

#include "model/mduUmbravel.h"

namespace mduUmbravel {

// Sets the direction grid of a diffuse run: nAlt altitude rows and as many azimuth columns.
void SetDiffuseGrid(std::int16_t nAlt);

// Sets all sixteen case counters and the four running sums to 0.
void ResetDiffuseRun();

// Weighted mean of SkyDirectionUSF over NAlt x NAzi sky directions; sets SkySumUSF,
// SkySumWeight and SkyUSF.
void IntegrateSkyDiffuse();

// Weighted mean of GroundDirectionUSF over (NAlt - 1) x NAzi directions from the ground;
// sets GroundSumUSF, GroundSumWeight and GroundUSF.
void IntegrateGroundDiffuse();

// Both diffuse fractions of one geometry and how often each shadow case occurred.
struct DiffuseShading {
    double skyUSF = 0;
    double groundUSF = 0;
    std::array<int, 10> skyCaseCount{};
    std::array<int, 6> groundCaseCount{};
};

// The sky and ground passes over a grid of steps x steps directions, as IntegrateSkyDiffuse and
// IntegrateGroundDiffuse compute them, but from the given ratios and mode alone: touches no
// program-wide value, so cases can run in parallel. Throws ProgramStop as the ground
// procedure does.
DiffuseShading EvaluateDiffuse(const ShadeGeometryRecord& ratios, std::int16_t mode,
                               std::int16_t steps);

}  // namespace mduUmbravel
