#include <iostream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"

// umbravel-batch: one calculation of the wizard from the command line, for scripted and
// parametric studies.
int main(int argc, char** argv) {
    try {
        const BatchOptions options = ParseBatchOptions({argv + 1, argv + argc});
        if (options.help) {
            std::cout << BatchHelpText();
            return 0;
        }
        return RunBatch(options, std::cout, std::cerr);
    } catch (const UsageError& error) {
        std::cerr << "umbravel-batch: " << error.what() << '\n';
        return 2;
    }
}
