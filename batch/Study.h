#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"

// Runs a parametric study: every row of options.cases (with --shard, every row of the shard) is
// one case, computed on all cores a window of rows at a time; the results go to options.results
// in input order, each line with its row's number in the cases file. The results file, the
// print file and the data files are put in place together at the end, or not at all. With
// --print-file the cases' sections are appended to the print file, in input order and each whole,
// as single runs would write them. The other options are the study's defaults for missing columns
// and empty cells. Shows a progress line on standard error when that is a terminal. Returns the
// exit status: 0 when the study ran (rows that could not be computed carry their reason in the
// results), 1 when a file could not be read or written, 2 when the cases file's header is unusable.
int RunStudy(const BatchOptions& options, std::ostream& err);
