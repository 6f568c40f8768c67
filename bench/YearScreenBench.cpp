#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "modes/year/EpwText.h"
#include "modes/year/screens/frmShadingYear.h"
#include "modes/year/screens/frmSizeDevice.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

std::filesystem::path Home() {
    return std::filesystem::temp_directory_path() / "umbravel-year-screen-bench";
}

// Sun in the day hours, as a weather file for Golden.
std::shared_ptr<const WeatherYear> GoldenWeather() {
    const auto path = Home() / "golden.epw";
    std::ofstream(path, std::ios::binary) << JoinedEpw(EpwLines(false, [](int, int, int hour) {
        const bool day = hour > 6 && hour < 19;
        return EpwHour{day ? 400.0 : 0, day ? 600.0 : 0, day ? 100.0 : 0};
    }));
    return std::make_shared<const WeatherYear>(ReadWeatherFile(path.string()));
}

// Ends the event loop at the first paint after its signal: new figures shown, a sweep ended.
class PaintAfter : public QObject {
  public:
    template <class Screen, class Signal>
    PaintAfter(QEventLoop& loop, Screen& screen, Signal signal) : loop_(loop) {
        connect(&screen, signal, this, [this] { signalled_ = true; });
    }
    void Reset() { signalled_ = false; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (signalled_ && event->type() == QEvent::Paint)
            loop_.quit();
        return false;
    }

  private:
    QEventLoop& loop_;
    bool signalled_ = false;
};

double ThreadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e9 + t.tv_nsec;
}

// The gaps between turns of the GUI thread's event loop, seen by a timer that fires at every
// turn: in wall time, and in the thread's own CPU time, which leaves out the time the system
// gave to other threads and programs.
class TurnGaps {
  public:
    TurnGaps() {
        turns_.setInterval(0);
        QObject::connect(&turns_, &QTimer::timeout, [this] { Turn(); });
    }
    void Start() {
        clock_.start();
        lastWall_ = 0;
        lastCpu_ = ThreadCpuNs();
        turns_.start();
    }
    void Stop() {
        Turn();
        turns_.stop();
    }
    double LongestWallMs() const { return longestWall_ / 1e6; }
    double LongestCpuMs() const { return longestCpu_ / 1e6; }

  private:
    void Turn() {
        const double wall = static_cast<double>(clock_.nsecsElapsed()), cpu = ThreadCpuNs();
        longestWall_ = std::max(longestWall_, wall - lastWall_);
        longestCpu_ = std::max(longestCpu_, cpu - lastCpu_);
        lastWall_ = wall;
        lastCpu_ = cpu;
    }

    QTimer turns_;
    QElapsedTimer clock_;
    double lastWall_ = 0, lastCpu_ = 0, longestWall_ = 0, longestCpu_ = 0;
};

// From a change of the window's facing to the heat map repainted with the new figures, the
// calculation's delay included. The gaps are also watched for a moment after it, untimed, as
// the chart repaints later. max_gui_block_ms is the longest the event loop went without turning
// over all iterations, max_gui_cpu_ms the most CPU time the GUI thread spent in one turn.
void BM_YearScreenFacingChange(benchmark::State& state) {
    auto* screen = new frmShadingYear(nullptr);
    screen->show();
    screen->UseWeather(GoldenWeather());
    auto* facing = screen->findChild<QDoubleSpinBox*>("txtFacing");
    auto* heatMap = screen->findChild<QTableWidget*>("tblMonthHour");
    QEventLoop loop;
    PaintAfter painted(loop, *screen, &frmShadingYear::YearShown);
    heatMap->viewport()->installEventFilter(&painted);
    for (auto* busy = screen->findChild<QLabel*>("lblBusy"); !busy->isHidden();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    TurnGaps gaps;
    double bearing = 150;
    for (auto _ : state) {
        bearing = bearing == 150 ? 210 : 150;
        painted.Reset();
        gaps.Start();
        facing->setValue(bearing);
        loop.exec();
        state.PauseTiming();
        painted.Reset();
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
        gaps.Stop();
        state.ResumeTiming();
    }
    state.counters["max_gui_block_ms"] = gaps.LongestWallMs();
    state.counters["max_gui_cpu_ms"] = gaps.LongestCpuMs();
    screen->close();
    delete screen;
}
BENCHMARK(BM_YearScreenFacingChange)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sizing screen's 50 depths over the hourly weather year, from "Compute" to the chart
// repainted with them.
void BM_SizingScreenComputeToChart(benchmark::State& state) {
    auto* year = new frmShadingYear(nullptr);
    year->show();
    year->UseWeather(GoldenWeather());
    for (auto* busy = year->findChild<QLabel*>("lblBusy"); !busy->isHidden();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    year->findChild<QPushButton*>("cmdSizeDevice")->click();
    auto* sizing = year->findChild<frmSizeDevice*>();
    sizing->findChild<QSpinBox*>("txtSteps")->setValue(50);
    auto* compute = sizing->findChild<QPushButton*>("cmdCompute");
    QEventLoop loop;
    PaintAfter painted(loop, *sizing, &frmSizeDevice::SweepEnded);
    sizing->findChild<QChartView*>("chtSweep")->viewport()->installEventFilter(&painted);
    for (auto _ : state) {
        painted.Reset();
        compute->click();
        loop.exec();
    }
    year->close();
    delete year;
}
BENCHMARK(BM_SizingScreenComputeToChart)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::filesystem::create_directories(Home());
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(Home().string()));
    GeomMode = Geometry::AwningAndFins;
    auto& g = ShadeGeometry;
    g.L = 3, g.W = 2, g.WP = 3, g.DelW = 1, g.H = 4, g.Lh = 3, g.LhP = 1;
    g = WithRatios(g);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Home());
    return 0;
}
