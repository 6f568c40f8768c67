#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/Study.h"
#include "modes/year/EpwText.h"

extern char** environ;

namespace {

constexpr int StudyCases = 100000;
constexpr int ProcessSample = 200;

// The options of case k of the study: geometries and projections that vary from row to row.
std::vector<std::string> CaseArguments(int k) {
    return {"--geometry",   std::to_string(1 + k % 3),
            "--projection", std::to_string(0.5 + (k % 1000) / 200.0),
            "--mode",       "diffuse"};
}

// A folder with the cases file of the header; by default the diffuse cases of CaseArguments.
class StudyFolder {
  public:
    StudyFolder() : StudyFolder("geometry,projection,mode") {
        std::ofstream cases(path_ / "cases.csv", std::ios::binary | std::ios::app);
        for (int k = 0; k < StudyCases; ++k) {
            const std::vector<std::string> a = CaseArguments(k);
            cases << a[1] << ',' << a[3] << ',' << a[5] << "\r\n";
        }
    }
    explicit StudyFolder(const std::string& header)
        : path_(std::filesystem::temp_directory_path() / "umbravel-study-bench") {
        std::filesystem::create_directories(path_);
        std::ofstream cases(path_ / "cases.csv", std::ios::binary);
        cases << header << "\r\n";
    }
    StudyFolder(StudyFolder&& other) noexcept : path_(std::move(other.path_)) {
        other.path_.clear();
    }
    ~StudyFolder() {
        if (!path_.empty())
            std::filesystem::remove_all(path_);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Slash() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

// Runs the study of the folder's cases file, with the extra options, in one process on every
// core; the time per case is the cost of one row to size a cluster's array jobs by.
void RunWholeStudy(benchmark::State& state, const StudyFolder& folder, int cases,
                   std::vector<std::string> args = {}) {
    args.insert(args.end(),
                {"--cases", folder.File("cases.csv"), "--results", folder.File("results.csv")});
    const BatchOptions options = ParseBatchOptions(args);
    for (auto _ : state) {
        std::ostringstream err;
        if (RunStudy(options, err) != 0)
            state.SkipWithError(err.str().c_str());
    }
    state.SetItemsProcessed(state.iterations() * cases);
    state.counters["per_case"] = benchmark::Counter(
        cases, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_DiffuseStudy(benchmark::State& state) {
    RunWholeStudy(state, StudyFolder(), StudyCases);
}
BENCHMARK(BM_DiffuseStudy)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// A cases file of the given rows after the header.
StudyFolder FolderOf(const std::string& header, int rows,
                     const std::function<std::string(int)>& row) {
    StudyFolder folder(header);
    std::ofstream cases(folder.File("cases.csv"), std::ios::binary | std::ios::app);
    for (int k = 0; k < rows; ++k)
        cases << row(k) << "\r\n";
    return folder;
}

constexpr int BeamCases = 100000;

void BM_BeamStudy(benchmark::State& state) {
    const StudyFolder folder =
        FolderOf("geometry,projection,altitude,azimuth,mode", BeamCases, [](int k) {
            return std::to_string(1 + k % 3) + ',' + std::to_string(0.5 + (k % 1000) / 200.0) +
                   ',' + std::to_string(5 + k % 80) + ',' + std::to_string(-85 + k % 170) + ",beam";
        });
    RunWholeStudy(state, folder, BeamCases);
}
BENCHMARK(BM_BeamStudy)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

constexpr int MatrixCases = 2000;

void BM_MatrixStudy(benchmark::State& state) {
    const StudyFolder folder = FolderOf("geometry,projection,mode", MatrixCases, [](int k) {
        return std::to_string(1 + k % 3) + ',' + std::to_string(0.5 + (k % 1000) / 200.0) +
               ",matrix";
    });
    RunWholeStudy(state, folder, MatrixCases);
}
BENCHMARK(BM_MatrixStudy)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// Year cases at one place with an hourly weather file: windows of every facing, both fin
// sides, the three geometries and a range of projections.
constexpr int YearCases = 1000;

void BM_YearStudy(benchmark::State& state) {
    const StudyFolder folder =
        FolderOf("geometry,projection,facing,fin-side,mode", YearCases, [](int k) {
            return std::to_string(1 + k % 3) + ',' + std::to_string(0.5 + (k % 50) / 20.0) + ',' +
                   std::to_string(k * 7 % 360) + ',' + (k % 2 ? "left" : "right") + ",year";
        });
    {
        std::ofstream weather(folder.File("golden.epw"), std::ios::binary);
        weather << SteadyDaysEpw();
    }
    RunWholeStudy(state, folder, YearCases,
                  {"--weather", folder.File("golden.epw"), "--year", "2025"});
}
BENCHMARK(BM_YearStudy)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// The same with a place of its own for every case, which works out its own sun.
constexpr int YearPlaceCases = 200;

void BM_YearStudyPlaceEach(benchmark::State& state) {
    const StudyFolder folder =
        FolderOf("latitude,projection,facing,fin-side,mode", YearPlaceCases, [](int k) {
            return std::to_string(-60 + k * 0.6) + ',' + std::to_string(0.5 + (k % 50) / 20.0) +
                   ',' + std::to_string(k * 7 % 360) + ',' + (k % 2 ? "left" : "right") + ",year";
        });
    {
        std::ofstream weather(folder.File("golden.epw"), std::ios::binary);
        weather << SteadyDaysEpw();
    }
    RunWholeStudy(state, folder, YearPlaceCases,
                  {"--weather", folder.File("golden.epw"), "--year", "2025"});
}
BENCHMARK(BM_YearStudyPlaceEach)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// The same cases as single runs, one process after the other, as a shell loop would start
// them; a sample of the first cases.
void BM_DiffuseProcessPerCase(benchmark::State& state) {
    const StudyFolder folder;
    for (auto _ : state) {
        for (int k = 0; k < ProcessSample; ++k) {
            std::vector<std::string> args = {UMBRAVEL_BATCH_PATH, "--folder", folder.Slash()};
            for (const std::string& a : CaseArguments(k))
                args.push_back(a);
            std::vector<char*> argv;
            for (std::string& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            posix_spawn_file_actions_t quiet;
            posix_spawn_file_actions_init(&quiet);
            posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
            pid_t pid = 0;
            const int failed = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
            posix_spawn_file_actions_destroy(&quiet);
            int status = 0;
            if (failed != 0 || waitpid(pid, &status, 0) != pid || status != 0) {
                state.SkipWithError("a single run failed");
                return;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * ProcessSample);
}
BENCHMARK(BM_DiffuseProcessPerCase)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
