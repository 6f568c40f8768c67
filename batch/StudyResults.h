#pragma once

#include <string>
#include <vector>

#include "batch/CaseRun.h"

// The results file of a study: one line per case (for the matrix mode one line per cell of its
// sweep), each repeating the row number and the inputs, then the results of the case's mode,
// then the error column. Each number is the shortest text that reads back to the same double.
// Lines end in CR LF.

// The header line.
std::string ResultsHeaderLine();

// Appends the lines of one case to out. inputs holds the echoed inputs in CaseColumns order.
void AppendResultLines(std::string& out, std::size_t row, const std::vector<std::string>& inputs,
                       const CaseResult& result);
