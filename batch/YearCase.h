#pragma once

#include <tuple>
#include <utility>
#include <vector>

#include "base/SharedOnce.h"
#include "batch/CaseRun.h"
#include "batch/YearOptions.h"

// What the year cases of a study share, worked out once by the first case that needs it:
// - the sun at every step, for each place, time zone, year, step and weather file (whose air
//   bends the sun's rays). So that a study of many places keeps little memory, the suns held
//   stay within SharedSunSteps steps (about 64 MB); a case at a place beyond them works out its
//   own sun.
// - the earth's orbit and pole over the year, for each year and time zone, whatever the place:
//   the larger part of the cost of a place's sun.
inline constexpr std::size_t SharedSunSteps = std::size_t{4} << 20;
inline constexpr std::size_t SharedEarthTracks = 256;  // about 35 kB each

using YearSunKey = std::tuple<double, double, double, double, int, int, const WeatherYear*>;
using YearEarthKey = std::pair<int, double>;

struct YearShares {
    SharedOnce<YearSunKey, std::vector<SunAngles>> suns;
    SharedOnce<YearEarthKey, EarthTrack> earths;
};

// The year of the case's device at the options' place, on what the study's cases share; with
// `withTable`, also the 21st of each month for the print file. A failure gives its reason as the
// error.
CaseResult EvaluateYearCase(const ShadingCase& c, const YearOptions& year, YearShares& shares,
                            bool withTable);
