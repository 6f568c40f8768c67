#pragma once

#include <ostream>

#include "base/PrintChannel.h"
#include "base/StagedFiles.h"
#include "batch/YearOptions.h"
#include "model/ShadingCase.h"

// The shading year of the case's device: writes the hourly CSV (and the monthly one and the
// EnergyPlus files asked for) into the set and the year's section to print, prints the year's
// figures to out and its progress to err.
void RunYearMode(StagedFiles& files, PrintChannel& print, const ShadingCase& c,
                 const YearOptions& year, std::ostream& out, std::ostream& err);
