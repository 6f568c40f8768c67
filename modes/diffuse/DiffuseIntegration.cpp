#include "modes/diffuse/DiffuseIntegration.h"

#include "model/DirectionGrid.h"
#include "model/GroundDirection.h"
#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"

namespace mduUmbravel {

void SetDiffuseGrid(std::int16_t nAlt) {
    NAlt = nAlt;
    NAzi = NAlt;
}

void ResetDiffuseRun() {
    SkyCaseCount.fill(0);
    GroundCaseCount.fill(0);
    SkySumUSF = 0;
    SkySumWeight = 0;
    GroundSumUSF = 0;
    GroundSumWeight = 0;
}

void IntegrateSkyDiffuse() {
    SkySumUSF = 0;
    SkySumWeight = 0;
    const WeightedSums sums = SumOverDirections(1, 90.0 / NAlt, SkyDirectionUSF);
    SkySumUSF = sums.usf;
    SkySumWeight = sums.weight;
    SkyUSF = SkySumUSF / SkySumWeight;
}

// The horizon row belongs to the sky pass; the ground pass starts one step below it.
void IntegrateGroundDiffuse() {
    GroundSumUSF = 0;
    GroundSumWeight = 0;
    const WeightedSums sums = SumOverDirections(2, -(90.0 / NAlt), GroundDirectionUSF);
    GroundSumUSF = sums.usf;
    GroundSumWeight = sums.weight;
    GroundUSF = GroundSumUSF / GroundSumWeight;
}

DiffuseShading EvaluateDiffuse(const ShadeGeometryRecord& g, std::int16_t mode,
                               std::int16_t steps) {
    DiffuseShading d;
    const WeightedSums sky = SumOverDirections(
        steps, steps, mode, 1, 90.0 / steps, [&](double alt, double azi, std::int16_t m) {
            const SkyShading s = EvaluateSkyDirection(g, alt, azi, m);
            ++d.skyCaseCount[static_cast<std::size_t>(s.shadowCase)];
            return s.usf;
        });
    d.skyUSF = sky.usf / sky.weight;
    const WeightedSums ground = SumOverDirections(
        steps, steps, mode, 2, -(90.0 / steps), [&](double alt, double azi, std::int16_t m) {
            const GroundShading s = EvaluateGroundDirection(g, alt, azi, m);
            ++d.groundCaseCount[static_cast<std::size_t>(s.shadowCase)];
            return s.usf;
        });
    d.groundUSF = ground.usf / ground.weight;
    return d;
}

}  // namespace mduUmbravel
