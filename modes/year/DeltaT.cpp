#include "modes/year/DeltaT.h"

#include <array>
#include <cmath>

namespace {

// TT - UT1 on 1 January of each year from 1950 to 2023, seconds, as determined from the
// observed UT1 (the yearly values the US Naval Observatory publishes with the IERS data).
constexpr int FirstYear = 1950;
constexpr std::array<double, 74> Observed{
    29.15,   29.57,   29.97,   30.36,   30.72,   31.07,   31.35,   31.68,   32.18,   32.68,
    33.15,   33.59,   34.00,   34.47,   35.03,   35.73,   36.54,   37.43,   38.29,   39.20,
    40.18,   41.17,   42.23,   43.37,   44.4841, 45.4761, 46.4567, 47.5214, 48.5344, 49.5862,
    50.5387, 51.3808, 52.1668, 52.9565, 53.7882, 54.3427, 54.8713, 55.3222, 55.8197, 56.3000,
    56.8553, 57.5653, 58.3092, 59.1218, 59.9845, 60.7854, 61.6287, 62.2951, 62.9659, 63.4673,
    63.8285, 64.0908, 64.2998, 64.4734, 64.5736, 64.6876, 64.8452, 65.1464, 65.4574, 65.7768,
    66.0699, 66.3246, 66.6030, 66.9069, 67.2810, 67.6439, 68.1024, 68.5927, 68.9676, 69.2202,
    69.3612, 69.3593, 69.2945, 69.1833,
};
constexpr int LastYear = FirstYear + static_cast<int>(Observed.size()) - 1;

// The long-term trend, from the tidal slowing of the earth's rotation: -20 + 32 u^2 seconds,
// u in centuries from 1820 (Morrison and Stephenson 2004).
double LongTermParabola(double year) {
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u;
}

// Past the table the parabola is shifted to meet the table's end, the shift fading out over a
// century, as the usual polynomials join the parabola in 2150.
constexpr double JoinYears = 100;

double Joined(double year, int edgeYear) {
    const double edge = Observed[edgeYear - FirstYear];
    const double fade = std::fmax(0, 1 - std::fabs(year - edgeYear) / JoinYears);
    return LongTermParabola(year) + (edge - LongTermParabola(edgeYear)) * fade;
}

constexpr double January1st2000 = 2451544.5;
constexpr double DaysPerYear = 365.25;

}  // namespace

double DeltaT(double julianDay) {
    const double year = 2000 + (julianDay - January1st2000) / DaysPerYear;
    if (year < FirstYear)
        return Joined(year, FirstYear);
    if (year >= LastYear)
        return Joined(year, LastYear);
    const double offset = year - FirstYear;
    const auto i = static_cast<std::size_t>(offset);
    const double f = offset - static_cast<double>(i);
    return Observed[i] + (Observed[i + 1] - Observed[i]) * f;
}
