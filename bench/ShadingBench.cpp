#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "model/GroundDirection.h"
#include "model/ShadeGeometry.h"
#include "model/SkyDirection.h"
#include "modes/diffuse/DiffuseIntegration.h"

using namespace mduUmbravel;

namespace {

struct Direction {
    double alt, azi;
};

ShadeGeometryRecord Defaults() {
    ShadeGeometryRecord g;
    g.L = 3, g.W = 2, g.WP = 3, g.DelW = 1, g.H = 4, g.Lh = 3, g.LhP = 1;
    return WithRatios(g);
}

// The 20-step diffuse grid, so that every case the passes meet is measured in proportion.
std::vector<Direction> Directions(double sign) {
    std::vector<Direction> d;
    for (int i = 1; i <= 20; ++i) {
        for (int j = 1; j <= 20; ++j) {
            const double azi = j == 1 ? 0.00001 : ((90.0 / 20) * (j - 1)) * (Pi / 180);
            d.push_back({sign * ((90.0 / 20) * (i - 1)) * (Pi / 180), azi});
        }
    }
    return d;
}

void BM_TrigFloor(benchmark::State& state) {
    const auto dirs = Directions(1);
    std::size_t k = 0;
    for (auto _ : state) {
        const Direction& d = dirs[k++ % dirs.size()];
        benchmark::DoNotOptimize(std::tan(d.alt));
        benchmark::DoNotOptimize(std::tan(d.azi));
        benchmark::DoNotOptimize(std::cos(d.azi));
    }
}
BENCHMARK(BM_TrigFloor);

void BM_SkyDirectionUSF(benchmark::State& state) {
    const ShadeGeometryRecord g = Defaults();
    const auto dirs = Directions(1);
    std::size_t k = 0;
    for (auto _ : state) {
        const Direction& d = dirs[k++ % dirs.size()];
        benchmark::DoNotOptimize(EvaluateSkyDirection(g, d.alt, d.azi, 3));
    }
}
BENCHMARK(BM_SkyDirectionUSF);

void BM_GroundDirectionUSF(benchmark::State& state) {
    const ShadeGeometryRecord g = Defaults();
    const auto dirs = Directions(-1);
    std::size_t k = 0;
    for (auto _ : state) {
        const Direction& d = dirs[k++ % dirs.size()];
        benchmark::DoNotOptimize(EvaluateGroundDirection(g, d.alt, d.azi, 3));
    }
}
BENCHMARK(BM_GroundDirectionUSF);

void BM_DiffuseRun(benchmark::State& state) {
    const ShadeGeometryRecord g = Defaults();
    const auto steps = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(EvaluateDiffuse(g, 3, steps));
    }
}
BENCHMARK(BM_DiffuseRun)->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
