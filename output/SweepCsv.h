#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "modes/year/DeviceSweep.h"

// A sizing sweep as CSV (comma separated, CR LF line ends, a header row): the dimension's value
// and the percent removed in each period, each number the shortest text that reads back to the
// same double. throughGlass names the columns for the solar gain through the glazing.
std::string SweepCsvText(std::string_view symbol, bool throughGlass,
                         const std::vector<SweepRow>& rows);

// Replaced whole; throws UnexpectedError naming a file that cannot be written.
void WriteSweepCsv(const std::string& path, std::string_view symbol, bool throughGlass,
                   const std::vector<SweepRow>& rows);
