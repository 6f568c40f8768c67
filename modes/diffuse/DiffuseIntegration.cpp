#include "modes/diffuse/DiffuseIntegration.h"

#include "model/DirectionGrid.h"
#include "model/FractionRange.h"
#include "model/GroundDirection.h"
#include "model/SkyDirection.h"

namespace mduUmbravel {

DiffuseShading EvaluateDiffuse(const ShadeGeometryRecord& g, std::int16_t mode,
                               std::int16_t steps) {
    DiffuseShading d;
    d.steps = steps;
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

void AddPhysicalFactorsWhereNeeded(DiffuseShading& d, const DeviceShape& device) {
    if (OutsideUnitRange(d.skyUSF) || OutsideUnitRange(d.groundUSF))
        d.physical = PhysicalDiffuse(device);
}

}  // namespace mduUmbravel
