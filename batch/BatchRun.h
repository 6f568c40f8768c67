#pragma once

#include <ostream>

#include "batch/BatchOptions.h"

// Runs the calculation the options describe, as the wizard would: stores the entries, starts
// or keeps the print file, runs the mode and writes its section (and data files). Prints the
// mode's result lines to out and messages to err. Returns the exit status: 0 success, 1 when
// a file error or the awning check stopped the run.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err);
