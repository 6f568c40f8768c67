#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <filesystem>

#include "modes/beam/screens/frmBeamResults.h"
#include "modes/diffuse/screens/frmDiffuseResults.h"
#include "modes/matrix/screens/frmMatrixResults.h"
#include "output/HeaderLine.h"
#include "output/OutputFiles.h"
#include "platform/ProgramFolder.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"
#include "screens/mode/frmSourceMode.h"
#include "wizard/ProgramFolderSetup.h"

using namespace mduUmbravel;

namespace {

// The time from "Calculate" to the results screen shown, its calculation and files included.
template <class Results>
void MeasureCalculate(benchmark::State& state, const char* option, bool paint = false) {
    for (auto _ : state) {
        state.PauseTiming();
        StartPrintFileAfresh(PrintFilePath());
        auto* source = Wizard::Show<frmSourceMode>();
        source->findChild<QRadioButton*>(option)->setChecked(true);
        auto* calculate = source->findChild<QPushButton*>("cmdCalculate");
        state.ResumeTiming();

        calculate->click();
        QCoreApplication::processEvents();
        if (paint)
            benchmark::DoNotOptimize(Wizard::OpenScreen<Results>()->grab());

        state.PauseTiming();
        Wizard::OpenScreen<Results>()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
void BM_CalculateBeam(benchmark::State& state) {
    MeasureCalculate<frmBeamResults>(state, "OptSingleSun");
}
BENCHMARK(BM_CalculateBeam)->Unit(benchmark::kMillisecond);

// The same with the whole screen painted once, the shadow picture included.
void BM_CalculateBeamPainted(benchmark::State& state) {
    GeomMode = Geometry::AwningAndFins;
    MeasureCalculate<frmBeamResults>(state, "OptSingleSun", true);
    GeomMode = Geometry::Awning;
}
BENCHMARK(BM_CalculateBeamPainted)->Unit(benchmark::kMillisecond);

void BM_CalculateDiffuse(benchmark::State& state) {
    MeasureCalculate<frmDiffuseResults>(state, "optDiffuse");
}
BENCHMARK(BM_CalculateDiffuse)->Unit(benchmark::kMillisecond);

void BM_CalculateMatrix(benchmark::State& state) {
    MeasureCalculate<frmMatrixResults>(state, "optMatrix");
}
BENCHMARK(BM_CalculateMatrix)->Unit(benchmark::kMillisecond);

// The state the wizard leaves before "Calculate": default geometry, header and data folder, all
// under a temporary program folder.
void PrepareRun(const std::filesystem::path& home) {
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    PrepareProgramFolder();
    ProgramFolder = ProgramFolderPath();
    DataPath = DefaultDataFolder();
    PrintFileName = "Umbravel.prt";
    GeomMode = Geometry::Awning;
    auto& g = ShadeGeometry;
    g.L = 3, g.W = 2, g.WP = 3, g.DelW = 1, g.H = 4, g.Lh = 3, g.LhP = 1;
    g = WithRatios(g);
    HeaderText = DefaultHeaderText(GeomMode, g);
    GeomCaseText = "Default Dimensions";
    SolAlt = 30, SolAzi = 0.0001;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto home = std::filesystem::temp_directory_path() / "umbravel-screen-bench";
    std::filesystem::create_directories(home);
    PrepareRun(home);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(home);
    return 0;
}
