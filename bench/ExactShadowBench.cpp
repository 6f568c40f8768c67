#include <benchmark/benchmark.h>

#include <vector>

#include "model/ExactShadow.h"
#include "model/PhysicalDiffuse.h"
#include "screens/kit/mduUmbravel.h"

namespace {

struct Direction {
    double alt, azi;
};

// The sky directions of the 20-step diffuse grid, as BM_SkyDirectionUSF takes them.
std::vector<Direction> SkyDirections() {
    std::vector<Direction> d;
    for (int i = 1; i <= 20; ++i) {
        for (int j = 1; j <= 20; ++j)
            d.push_back({mduUmbravel::GridAngle(20, i),
                         j == 1 ? mduUmbravel::FirstGridAzimuth : mduUmbravel::GridAngle(20, j)});
    }
    return d;
}

// Evaluates the default device with awning and fins on each sky direction in turn.
template <class Evaluate>
void OnEverySkyDirection(benchmark::State& state, Evaluate evaluate) {
    const DeviceShape device{Geometry::AwningAndFins};
    const auto dirs = SkyDirections();
    std::size_t k = 0;
    for (auto _ : state) {
        const Direction& d = dirs[k++ % dirs.size()];
        benchmark::DoNotOptimize(evaluate(device, d.alt, d.azi));
    }
}

// One exact evaluation (every plate's shadow, union, clip, area); compare with
// BM_SkyDirectionUSF.
void BM_ExactUnshadedFraction(benchmark::State& state) {
    OnEverySkyDirection(state, ExactUnshadedFraction);
}
BENCHMARK(BM_ExactUnshadedFraction);

// The same with the shadow polygons handed back, as the beam screen draws them.
void BM_ExactShadow(benchmark::State& state) {
    OnEverySkyDirection(state, ExactShadow);
}
BENCHMARK(BM_ExactShadow);

// The sky and ground factors together, per geometry mode.
void BM_PhysicalDiffuse(benchmark::State& state) {
    const DeviceShape device{static_cast<Geometry>(state.range(0))};
    for (auto _ : state)
        benchmark::DoNotOptimize(PhysicalDiffuse(device));
}
BENCHMARK(BM_PhysicalDiffuse)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

}  // namespace
