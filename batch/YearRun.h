#pragma once

#include <ostream>

#include "batch/YearOptions.h"
#include "model/ExactShadow.h"

// The shading year for the stored geometry in the given layout: writes the hourly CSV (and the
// monthly one), appends the print-file section, prints the year's figures to out and its progress
// to err.
void RunYearMode(const YearOptions& year, DeviceLayout layout, std::ostream& out,
                 std::ostream& err);
