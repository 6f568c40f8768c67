#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "model/mduUmbravel.h"
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
        auto& g = ShadeGeometry;
        g.L = 3, g.W = 2, g.WP = 3, g.DelW = 1, g.H = 4, g.Lh = 3, g.LhP = 1;
        DeriveRatios();
        GeomMode = 1;
        FillGeomModeNames();
        HeaderText =
            "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWNONLY";
        GeomCaseText = "Default Dimensions";
        DataPath = folder_.string() + "/";
        PrintFileName = "Umbravel.prt";
    }
    ~ReportRun() { std::filesystem::remove_all(folder_); }

    // Keeps the print file from growing across iterations.
    void Restart() { StartPrintFileAfresh(); }

  private:
    std::filesystem::path folder_;
};

void BM_MatrixRun(benchmark::State& state) {
    ReportRun run;
    for (auto _ : state) {
        state.PauseTiming();
        run.Restart();
        state.ResumeTiming();
        benchmark::DoNotOptimize(RunMatrixMode());
    }
}
BENCHMARK(BM_MatrixRun)->Unit(benchmark::kMillisecond);

void BM_DiffuseRunWithSection(benchmark::State& state) {
    ReportRun run;
    for (auto _ : state) {
        state.PauseTiming();
        run.Restart();
        state.ResumeTiming();
        RunDiffuseMode();
        benchmark::DoNotOptimize(SkyUSF);
    }
}
BENCHMARK(BM_DiffuseRunWithSection)->Unit(benchmark::kMillisecond);

}  // namespace
