#pragma once

#include <cstdint>

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

}  // namespace mduUmbravel
