#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"

// umbravel-batch: one calculation of the wizard from the command line, for scripted and
// parametric studies.
int main(int argc, char** argv) {
    // A reader that goes away must not end the run midway: a failed standard output is
    // reported when the files are written.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        const BatchOptions options = ParseBatchOptions({argv + 1, argv + argc});
        if (options.help)
            return WriteShownText(BatchHelpText(), std::cout, std::cerr);
        return RunBatch(options, std::cout, std::cerr);
    } catch (const UsageError& error) {
        std::cerr << "umbravel-batch: " << error.what() << '\n';
        return 2;
    }
}
