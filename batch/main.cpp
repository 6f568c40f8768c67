#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "base/Temporaries.h"
#include "base/VersionText.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/Study.h"

// umbravel-batch: one calculation of the wizard from the command line, or a parametric study
// of one calculation per row of a CSV file.
int main(int argc, char** argv) {
    // A reader that goes away must not end the run midway: a failed standard output is
    // reported when the files are written.
    std::signal(SIGPIPE, SIG_IGN);
    // A run stopped by a signal leaves every file as it was.
    RemoveTemporariesOnSignals();
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const BatchOptions options = ParseBatchOptions(args);
        if (options.help)
            return WriteShownText(BatchHelpText(), std::cout, std::cerr);
        if (options.version)
            return WriteShownText(VersionText("umbravel-batch"), std::cout, std::cerr);
        if (options.cases)
            return RunStudy(options, std::cerr);
        return RunBatch(options, std::cout, std::cerr);
    } catch (const UsageError& error) {
        std::cerr << "umbravel-batch: " << error.what() << '\n';
        return 2;
    }
}
