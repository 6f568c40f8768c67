#pragma once

#include <ostream>

#include "batch/YearOptions.h"
#include "model/ShadingCase.h"

// The shading year of the case's device: writes the hourly CSV (and the monthly one), appends the
// print-file section, prints the year's figures to out and its progress to err.
void RunYearMode(const ShadingCase& c, const YearOptions& year, std::ostream& out,
                 std::ostream& err);
