#pragma once

#include <ostream>

#include "batch/YearOptions.h"

// The shading year for the stored geometry: writes the hourly CSV (and the monthly one), appends
// the print-file section, prints the year's figures to out and its progress to err.
void RunYearMode(const YearOptions& year, std::ostream& out, std::ostream& err);
