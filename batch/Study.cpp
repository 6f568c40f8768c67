#include "batch/Study.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "base/Clock.h"
#include "base/Faults.h"
#include "base/InputLines.h"
#include "base/PrintChannel.h"
#include "base/QuotedText.h"
#include "base/StagedFiles.h"
#include "batch/CaseRun.h"
#include "batch/CaseTable.h"
#include "batch/StudyCase.h"
#include "batch/StudyResults.h"
#include "batch/YearCase.h"
#include "output/OutputFiles.h"
#include "platform/ProgramFolder.h"

namespace {

// Cases a worker takes at a time: few enough to share the last ones out evenly.
constexpr std::size_t ChunkSize = 16;
// Rows read, computed and written at a time: memory stays the same for a file of any length.
constexpr std::size_t WindowRows = 4096;
constexpr auto ProgressInterval = std::chrono::milliseconds(200);

struct StudyFailure {
    int status;
    std::string message;
};

// The cases file, opened only when it is a plain file: a FIFO or a device would hang the
// study or never end.
std::ifstream OpenCasesFile(const std::string& path) {
    try {
        RequireRegularFile(path);
    } catch (const InputFileError& e) {
        throw StudyFailure{2, "the cases file " + QuotedText(path) + ": " + e.what()};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw StudyFailure{1, "cannot read the cases file " + QuotedText(path)};
    return file;
}

// The rows of a window the study's shard runs, with their numbers in the cases file (from 1).
struct ShardRows {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::size_t> numbers;
};

// Moves the window's rows of the shard into `mine`; `read` counts the rows before the window.
void TakeShardRows(std::vector<std::vector<std::string>>& window, std::size_t& read,
                   const StudyShard& shard, ShardRows& mine) {
    mine.rows.clear();
    mine.numbers.clear();
    for (std::vector<std::string>& row : window) {
        if (read % shard.count == shard.index) {
            mine.rows.push_back(std::move(row));
            mine.numbers.push_back(read + 1);
        }
        ++read;
    }
}

// A row's case, kept for its print-file section, and what it computed.
struct ComputedCase {
    std::optional<ShadingCase> shadingCase;
    CaseResult result;
};

class Study {
  public:
    // The results file and the print file (null without --print-file) are staged in files.
    Study(const BatchOptions& options, OutputTarget output, std::vector<const CaseColumn*> columns,
          StagedFiles& files, PrintChannel* print)
        : options_(options),
          output_(std::move(output)),
          columns_(std::move(columns)),
          files_(files),
          print_(print),
          progress_(isatty(STDERR_FILENO) == 1) {}

    // Computes the window's cases on every core while this thread writes them out in input
    // order.
    void Run(const ShardRows& window, PrintChannel& results, std::ostream& err) {
        rows_ = &window.rows;
        numbers_ = &window.numbers;
        computed_.assign(rows_->size(), {});
        ready_ = std::vector<std::atomic<bool>>(rows_->size());
        next_ = 0;
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        const std::size_t workers = std::min<std::size_t>(cores, rows_->size());
        std::vector<std::jthread> threads;
        for (std::size_t w = 0; w < workers; ++w)
            threads.emplace_back([this](std::stop_token stop) { Compute(stop); });
        WriteInOrder(results, err);
    }

    // Ends the progress line.
    void Finish(std::ostream& err) const {
        if (progress_)
            err << "\rumbravel-batch: " << done_ << " cases\n";
    }

    std::size_t Failed() const { return failed_; }

  private:
    // Each row is parsed and computed once; its case is kept only when it has a section to
    // write.
    ComputedCase ComputeRow(std::size_t row) {
        ComputedCase computed;
        try {
            const BatchOptions o = CaseOptions(options_, columns_, (*rows_)[row]);
            ShadingCase c = CaseOf(o, output_);
            computed.result = c.mode == SourceMode::Year
                                  ? EvaluateYearCase(c, o.year, shares_, print_ != nullptr)
                                  : EvaluateCase(c);
            if (print_ != nullptr)
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
            if (first >= computed_.size())
                return;
            const std::size_t last = std::min(first + ChunkSize, computed_.size());
            for (std::size_t row = first; row < last; ++row) {
                computed_[row] = ComputeRow(row);
                ready_[row].store(true, std::memory_order_release);
                ready_[row].notify_one();
            }
        }
    }

    // The row's inputs as the results repeat them: the cell, else the study's value.
    std::vector<std::string> Inputs(const std::vector<std::string>& cells) const {
        std::vector<std::string> inputs;
        for (const CaseColumn& column : CaseColumns()) {
            if (!column.echoed)
                continue;
            const auto at = std::find(columns_.begin(), columns_.end(), &column);
            const auto k = static_cast<std::size_t>(at - columns_.begin());
            inputs.push_back(at != columns_.end() && k < cells.size() && !cells[k].empty()
                                 ? cells[k]
                                 : column.studyValue(options_));
        }
        return inputs;
    }

    void WriteInOrder(PrintChannel& results, std::ostream& err) {
        std::string lines;
        for (std::size_t row = 0; row < computed_.size(); ++row) {
            ready_[row].wait(false, std::memory_order_acquire);
            ComputedCase computed = std::move(computed_[row]);
            const CaseResult& result = computed.result;
            lines.clear();
            AppendResultLines(lines, (*numbers_)[row], Inputs((*rows_)[row]), result);
            ++done_;
            results.Print({lines, Sep::Join});
            if (!result.error.empty()) {
                ++failed_;
            } else if (print_ != nullptr) {
                WriteSection(*computed.shadingCase, result);
            }
            if (progress_ && std::chrono::steady_clock::now() - shown_ > ProgressInterval) {
                shown_ = std::chrono::steady_clock::now();
                err << "\rumbravel-batch: " << done_ << " cases" << std::flush;
            }
        }
    }

    // The case's section (and data files) as its single run writes them, from the results
    // already computed; this thread alone writes the print file. A later matrix case writes
    // the data files again, as its single run would.
    void WriteSection(const ShadingCase& c, const CaseResult& result) {
        try {
            WriteCaseOutput(files_, *print_, c, result, true);
        } catch (const std::exception& failure) {
            throw StudyFailure{1, failure.what()};
        }
    }

    const BatchOptions& options_;
    const OutputTarget output_;
    const std::vector<const CaseColumn*> columns_;
    StagedFiles& files_;
    PrintChannel* const print_;
    const bool progress_;
    const std::vector<std::vector<std::string>>* rows_ = nullptr;  // the window
    const std::vector<std::size_t>* numbers_ = nullptr;            // its rows' numbers
    std::vector<ComputedCase> computed_;
    std::vector<std::atomic<bool>> ready_;
    std::atomic<std::size_t> next_ = 0;
    YearShares shares_;  // for the whole study: its windows share them
    std::size_t done_ = 0;
    std::size_t failed_ = 0;
    std::chrono::steady_clock::time_point shown_ = std::chrono::steady_clock::now();
};

}  // namespace

int RunStudy(const BatchOptions& options, std::ostream& err) {
    try {
        // A study's rows share one output; what the default-path file's fault would say is
        // left out here, as a section's run would leave it out.
        if (options.timestamp)
            FixClock(*options.timestamp);
        mduUmbravel::ProgramFolder = ProgramFolderPath();
        std::ifstream cases = OpenCasesFile(*options.cases);
        CaseTableReader table(cases);
        std::vector<const CaseColumn*> columns = MatchCaseColumns(table.Columns());
        std::ostringstream untold;
        const OutputTarget output = OutputTargetOf(options, untold);
        // Every file the study writes is put in place at the end, together.
        StagedFiles files;
        PrintChannel results(files, *options.results, StagedFiles::Kind::Replace);
        const std::unique_ptr<PrintChannel> print =
            options.printFileGiven ? StagePrintFile(files, output) : nullptr;
        Study study(options, output, std::move(columns), files, print.get());
        results.Print({ResultsHeaderLine(), Sep::Join});
        const StudyShard shard = options.shard.value_or(StudyShard{});
        std::vector<std::vector<std::string>> window;
        ShardRows mine;
        std::size_t read = 0;
        for (table.Next(window, WindowRows); !window.empty(); table.Next(window, WindowRows)) {
            TakeShardRows(window, read, shard, mine);
            study.Run(mine, results, err);
        }
        results.Close();
        if (print)
            print->Close();
        files.Commit();
        study.Finish(err);
        if (study.Failed() > 0) {
            err << "umbravel-batch: " << study.Failed()
                << " cases could not be computed; their reasons are in the error column\n";
        }
        return 0;
    } catch (const StudyFailure& failure) {
        err << "umbravel-batch: " << failure.message << '\n';
        return failure.status;
    } catch (const UnexpectedError& failure) {
        err << "umbravel-batch: " << failure.what() << '\n';
        return 1;
    } catch (const CaseTableError& unreadable) {
        err << "umbravel-batch: " << QuotedText(*options.cases) << ": " << unreadable.what()
            << '\n';
        return 2;
    } catch (const UsageError& unusable) {
        err << "umbravel-batch: " << QuotedText(*options.cases) << ": " << unusable.what() << '\n';
        return 2;
    }
}
