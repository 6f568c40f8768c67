#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "model/ShadingCase.h"
#include "modes/diffuse/DiffuseCalculation.h"
#include "output/DiffuseSection.h"
#include "output/MatrixRun.h"
#include "output/OutputFiles.h"

using namespace mduUmbravel;

namespace {

// A default geometry writing into a fresh temporary data folder.
class ReportRun {
  public:
    ReportRun() {
        folder_ = std::filesystem::temp_directory_path() / "umbravel-bench";
        std::filesystem::create_directories(folder_);
        ShadeGeometryRecord& g = case_.dimensions;
        g.L = 3, g.W = 2, g.WP = 3, g.DelW = 1, g.H = 4, g.Lh = 3, g.LhP = 1;
        g = WithRatios(g);
        case_.output = {folder_.string() + "/", "Umbravel.prt", true,
                        "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: "
                        "AWNONLY",
                        "Default Dimensions"};
    }
    const ShadingCase& Case() const { return case_; }
    ~ReportRun() { std::filesystem::remove_all(folder_); }

    // Keeps the print file from growing across iterations.
    void Restart() { StartPrintFileAfresh(case_.output.PrintFilePath()); }

  private:
    std::filesystem::path folder_;
    ShadingCase case_;
};

void BM_MatrixRun(benchmark::State& state) {
    ReportRun run;
    for (auto _ : state) {
        state.PauseTiming();
        run.Restart();
        state.ResumeTiming();
        benchmark::DoNotOptimize(RunMatrixMode(run.Case()));
    }
}
BENCHMARK(BM_MatrixRun)->Unit(benchmark::kMillisecond);

void BM_DiffuseRunWithSection(benchmark::State& state) {
    ReportRun run;
    for (auto _ : state) {
        state.PauseTiming();
        run.Restart();
        state.ResumeTiming();
        const DiffuseShading d = EvaluateDiffuseMode(run.Case());
        AppendDiffuseSection(run.Case(), d);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_DiffuseRunWithSection)->Unit(benchmark::kMillisecond);

}  // namespace
