#pragma once

#include <array>

#include "modes/year/ShadingYear.h"

// Two designs' years side by side, in the periods the year's results are given for: the whole
// year, June-August and December-February.

struct PeriodComparison {
    double withFirst, withSecond;        // Wh/m2 with each design's device
    double removedFirst, removedSecond;  // percent removed by each; NaN when nothing arrives
    double WithDifference() const { return withSecond - withFirst; }
    double RemovedDifference() const { return removedSecond - removedFirst; }  // points
};

// The irradiation on the window or, with throughGlass, the solar gain through the glazing.
std::array<PeriodComparison, 3> ComparePeriods(const YearTotals& first, const YearTotals& second,
                                               bool throughGlass);
