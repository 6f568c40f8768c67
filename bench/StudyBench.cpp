#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/Study.h"

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

class StudyFolder {
  public:
    StudyFolder() : path_(std::filesystem::temp_directory_path() / "umbravel-study-bench") {
        std::filesystem::create_directories(path_);
        std::ofstream cases(path_ / "cases.csv", std::ios::binary);
        cases << "geometry,projection,mode\r\n";
        for (int k = 0; k < StudyCases; ++k) {
            const std::vector<std::string> a = CaseArguments(k);
            cases << a[1] << ',' << a[3] << ',' << a[5] << "\r\n";
        }
    }
    ~StudyFolder() { std::filesystem::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Slash() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

// The whole study in one process, on every core.
void BM_DiffuseStudy(benchmark::State& state) {
    const StudyFolder folder;
    const std::vector<std::string> args = {"--cases", folder.File("cases.csv"), "--results",
                                           folder.File("results.csv")};
    const BatchOptions options = ParseBatchOptions(args);
    for (auto _ : state) {
        std::ostringstream err;
        if (RunStudy(options, err) != 0)
            state.SkipWithError(err.str().c_str());
    }
    state.SetItemsProcessed(state.iterations() * StudyCases);
}
BENCHMARK(BM_DiffuseStudy)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

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
