#pragma once

#include <ostream>
#include <string>

#include "batch/BatchOptions.h"

// Runs the calculation the options describe, as the wizard would: stores the entries, checks
// what can be checked before writing, starts or keeps the print file, runs the mode and writes
// its section (and data files). Then prints the mode's result lines to out; messages go to err.
// Returns the exit status: 0 success, 1 when a file error or the awning check stopped the run,
// or when out could not be written.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err);

// Writes the text to out and flushes it. Returns 0, or 1 with a message on err when out fails
// (a closed pipe, a full disk).
int WriteShownText(const std::string& text, std::ostream& out, std::ostream& err);
