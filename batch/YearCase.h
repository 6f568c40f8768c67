#pragma once

#include <tuple>
#include <vector>

#include "base/SharedOnce.h"
#include "batch/CaseRun.h"
#include "batch/YearOptions.h"

// The sun at every step of a year, worked out once for each place, time zone, year, step and
// weather file (whose air bends the sun's rays) and shared by the year cases there. So that a
// study of many places keeps little memory, the suns held stay within SharedSunSteps steps
// (about 64 MB); a case at a place beyond them works out its own sun.
inline constexpr std::size_t SharedSunSteps = std::size_t{4} << 20;
using YearSunKey = std::tuple<double, double, double, double, int, int, const WeatherYear*>;
using YearSuns = SharedOnce<YearSunKey, std::vector<SunAngles>>;

// The year of the case's device at the options' place, its sun taken from suns; with
// `withTable`, also the 21st of each month for the print file. A failure gives its reason as the
// error.
CaseResult EvaluateYearCase(const ShadingCase& c, const YearOptions& year, YearSuns& suns,
                            bool withTable);
