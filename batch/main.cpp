#include <iostream>
#include <string>
#include <vector>

#include "base/VersionText.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/Study.h"

// umbravel-batch: one calculation of the wizard from the command line, or a parametric study
// of one calculation per row of a CSV file.
int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const BatchOptions options = ParseBatchOptions(args);
        if (options.help) {
            std::cout << BatchHelpText();
            return 0;
        }
        if (options.version) {
            std::cout << VersionText("umbravel-batch");
            return 0;
        }
        if (options.cases)
            return RunStudy(args, options, std::cerr);
        return RunBatch(options, std::cout, std::cerr);
    } catch (const UsageError& error) {
        std::cerr << "umbravel-batch: " << error.what() << '\n';
        return 2;
    }
}
