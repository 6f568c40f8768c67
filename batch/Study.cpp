#include "batch/Study.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <thread>

#include "base/Clock.h"
#include "base/InputLines.h"
#include "base/QuotedText.h"
#include "batch/CaseRun.h"
#include "batch/CaseTable.h"
#include "batch/StudyCase.h"
#include "batch/StudyResults.h"
#include "output/OutputFiles.h"
#include "platform/ProgramFolder.h"

namespace {

// Cases a worker takes at a time: few enough to share the last ones out evenly.
constexpr std::size_t ChunkSize = 16;
constexpr auto ProgressInterval = std::chrono::milliseconds(200);

struct StudyFailure {
    int status;
    std::string message;
};

std::string ReadCasesFile(const std::string& path) {
    try {
        RequireRegularFile(path);
    } catch (const InputFileError& e) {
        throw StudyFailure{2, "the cases file " + QuotedText(path) + ": " + e.what()};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw StudyFailure{1, "cannot read the cases file " + QuotedText(path)};
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A row's case, kept for its print-file section, and what it computed.
struct ComputedCase {
    std::optional<ShadingCase> shadingCase;
    CaseResult result;
};

class Study {
  public:
    Study(const BatchOptions& options, OutputTarget output, CaseTable table)
        : options_(options),
          output_(std::move(output)),
          table_(std::move(table)),
          columns_(MatchCaseColumns(table_.columns)),
          results_(table_.rows.size()),
          ready_(table_.rows.size()) {}

    // Computes the cases on every core while this thread writes them out in input order.
    void Run(std::ostream& results, std::ostream& err) {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        const std::size_t workers = std::min<std::size_t>(cores, table_.rows.size());
        std::vector<std::jthread> threads;
        for (std::size_t w = 0; w < workers; ++w)
            threads.emplace_back([this](std::stop_token stop) { Compute(stop); });
        WriteInOrder(results, err);
    }

    std::size_t Failed() const { return failed_; }

  private:
    // Each row is parsed and computed once; its case is kept only when it has a section to
    // write.
    ComputedCase ComputeRow(std::size_t row) const {
        ComputedCase computed;
        try {
            ShadingCase c = CaseOf(CaseOptions(options_, columns_, table_.rows[row]), output_);
            computed.result = EvaluateCase(c);
            if (options_.printFileGiven)
                computed.shadingCase = std::move(c);
        } catch (const std::exception& unusable) {
            computed.result = FailedCase(unusable.what());
        }
        return computed;
    }

    // Stops early when the writing thread gave up.
    void Compute(const std::stop_token& stop) {
        while (!stop.stop_requested()) {
            const std::size_t first = next_.fetch_add(ChunkSize);
            if (first >= results_.size())
                return;
            const std::size_t last = std::min(first + ChunkSize, results_.size());
            for (std::size_t row = first; row < last; ++row) {
                results_[row] = ComputeRow(row);
                ready_[row].store(true, std::memory_order_release);
                ready_[row].notify_one();
            }
        }
    }

    // The row's inputs as the results repeat them: the cell, else the study's value.
    std::vector<std::string> Inputs(std::size_t row) const {
        std::vector<std::string> inputs;
        for (const CaseColumn& column : CaseColumns()) {
            if (!column.echoed)
                continue;
            const auto at = std::find(columns_.begin(), columns_.end(), &column);
            const std::vector<std::string>& cells = table_.rows[row];
            const auto k = static_cast<std::size_t>(at - columns_.begin());
            inputs.push_back(at != columns_.end() && k < cells.size() && !cells[k].empty()
                                 ? cells[k]
                                 : column.studyValue(options_));
        }
        return inputs;
    }

    void WriteInOrder(std::ostream& results, std::ostream& err) {
        const bool progress = isatty(STDERR_FILENO) == 1;
        auto shown = std::chrono::steady_clock::now();
        std::string lines = ResultsHeaderLine();
        bool appendSections = options_.append;
        for (std::size_t row = 0; row < results_.size(); ++row) {
            ready_[row].wait(false, std::memory_order_acquire);
            ComputedCase computed = std::move(results_[row]);
            const CaseResult& result = computed.result;
            AppendResultLines(lines, row + 1, Inputs(row), result);
            if (lines.size() > (1u << 20)) {
                results << lines;
                lines.clear();
            }
            if (!result.error.empty()) {
                ++failed_;
            } else if (options_.printFileGiven) {
                WriteSection(*computed.shadingCase, result, appendSections);
                appendSections = true;
            }
            if (progress && std::chrono::steady_clock::now() - shown > ProgressInterval) {
                shown = std::chrono::steady_clock::now();
                err << "\rumbravel-batch: " << row + 1 << " of " << results_.size() << " cases"
                    << std::flush;
            }
        }
        results << lines;
        if (progress)
            err << "\rumbravel-batch: " << results_.size() << " of " << results_.size()
                << " cases\n";
    }

    // The case's section (and data files) as its single run writes them, from the results
    // already computed; this thread alone writes the print file.
    static void WriteSection(ShadingCase& c, const CaseResult& result, bool append) {
        c.output.append = append;
        try {
            CheckBeforeWriting(c);
            WriteCaseOutput(c, result);
        } catch (const std::exception& failure) {
            throw StudyFailure{1, failure.what()};
        }
    }

    const BatchOptions& options_;
    const OutputTarget output_;
    const CaseTable table_;
    const std::vector<const CaseColumn*> columns_;
    std::vector<ComputedCase> results_;
    std::vector<std::atomic<bool>> ready_;
    std::atomic<std::size_t> next_ = 0;
    std::size_t failed_ = 0;
};

}  // namespace

int RunStudy(const BatchOptions& options, std::ostream& err) {
    try {
        // A study's rows share one output; what the default-path file's fault would say is
        // left out here, as a section's run would leave it out.
        if (options.timestamp)
            FixClock(*options.timestamp);
        mduUmbravel::ProgramFolder = ProgramFolderPath();
        std::ostringstream untold;
        Study study(options, OutputTargetOf(options, untold),
                    ReadCaseTable(ReadCasesFile(*options.cases)));
        std::ofstream results(*options.results, std::ios::binary);
        if (!results)
            throw StudyFailure{1, "cannot write the results file \"" + *options.results + "\""};
        study.Run(results, err);
        results.close();
        if (!results)
            throw StudyFailure{1, "cannot write the results file \"" + *options.results + "\""};
        if (study.Failed() > 0) {
            err << "umbravel-batch: " << study.Failed()
                << " cases could not be computed; their reasons are in the error column\n";
        }
        return 0;
    } catch (const StudyFailure& failure) {
        err << "umbravel-batch: " << failure.message << '\n';
        return failure.status;
    } catch (const CaseTableError& unreadable) {
        err << "umbravel-batch: " << QuotedText(*options.cases) << ": " << unreadable.what()
            << '\n';
        return 2;
    } catch (const UsageError& unusable) {
        err << "umbravel-batch: " << QuotedText(*options.cases) << ": " << unusable.what() << '\n';
        return 2;
    }
}
