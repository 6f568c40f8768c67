#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "batch/BatchOptions.h"

// One option of the batch runner: the names it goes by, what the help says of it and what it
// does with its value. The parser and the help are both made from the table.
struct BatchOption {
    std::string group;  // the help's heading
    std::string names;  // "--mode", or "-h,--help": the long name last
    std::string value;  // the word standing for the value; empty for a flag
    std::string about;  // with the default it shows, if any
    // Stores the value (empty for a flag), given the long name to name in a refusal.
    void (*take)(BatchOptions& options, std::string_view option, const std::string& value);

    std::string_view LongName() const {
        return std::string_view(names).substr(names.rfind(',') + 1);
    }
};

// Every option, in the order the help lists them.
const std::vector<BatchOption>& BatchOptionTable();

// Stores the value of the option of that long name ("--projection") as the parser would.
// Throws UsageError for a name the table does not have or a value the option refuses.
void TakeOption(BatchOptions& options, std::string_view longName, const std::string& value);
